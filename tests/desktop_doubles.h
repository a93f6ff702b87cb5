// What the desktop tests share: a desktop shell that opens nothing, and an
// end state (as --final writes it) read field by field, to compare a race
// with its replay.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <map>
#include <string>

#include "ui/driver.h"

namespace testing_desktop {

class NoShell : public ui::Shell {
 public:
  void open(const std::string&) override {}
};

// Every field by its path: "windows.frm1.vars.playerSpeed" -> "[120]".
inline void flatten(const QJsonValue& v, const QString& path, std::map<QString, QString>& out) {
  if (v.isObject()) {
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it)
      flatten(it.value(), path.isEmpty() ? it.key() : path + "." + it.key(), out);
  } else if (v.isArray()) {
    const QJsonArray a = v.toArray();
    for (int i = 0; i < a.size(); ++i) flatten(a[i], path + "[" + QString::number(i) + "]", out);
  } else {
    out[path] = QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
  }
}

inline std::map<QString, QString> endStateFields(const QByteArray& json) {
  std::map<QString, QString> out;
  flatten(QJsonDocument::fromJson(json).object(), {}, out);
  return out;
}

}  // namespace testing_desktop
