#include "platform/qt/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <set>

namespace platform::qt {

namespace {

const QString kMusic = QStringLiteral("audio/music"), kEffects = QStringLiteral("audio/effects"),
              kMuted = QStringLiteral("audio/muted"), kScale = QStringLiteral("display/scale"),
              kFullScreen = QStringLiteral("display/fullscreen"),
              kLanguage = QStringLiteral("display/language");
constexpr int kLargestScale = 16;

QString keyOf(Mode mode, const Action& action) {
  return QStringLiteral("keys/%1/%2").arg(modeId(mode), action.id);
}

QString buttonKeyOf(Mode mode, ui::PadButton as) {
  return QStringLiteral("pads/%1/%2").arg(modeId(mode), buttonName(as).toLower());
}

// The file's name as the player knows it: ~ for the home folder.
QString shownPath(const QString& path) {
  const QString home = QDir::homePath();
  if (!home.isEmpty() && home != "/" && path.startsWith(home + "/"))
    return "~" + path.mid(home.size());
  return path;
}

// Reads the file's values, noting each one it cannot use.
class Reader {
 public:
  explicit Reader(QSettings& file) : file_(file) {}

  // The text of `key`, or nothing when the file does not have it.
  std::optional<QString> text(const QString& key) const {
    if (!file_.contains(key)) return std::nullopt;
    const QVariant v = file_.value(key);
    // Unquoted commas make a list; a key may be named ",".
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',');
    return v.toString().trimmed();
  }

  // Reads `key` into `out` when `parse` takes its text; else says it `is`.
  template <typename T>
  void read(const QString& key, T& out, const char* is,
            const std::function<bool(const QString&, T&)>& parse) {
    const auto t = text(key);
    if (!t) return;
    T v{};
    if (parse(*t, v))
      out = v;
    else
      wrong(key, *t, is);
  }

  void wrong(const QString& key, const QString& value, const char* is) {
    wrongs_ << QStringLiteral("%1=%2 %3").arg(key, value, QString::fromUtf8(is));
  }
  const QStringList& wrongs() const { return wrongs_; }

 private:
  QSettings& file_;
  QStringList wrongs_;
};

bool wholeIn(const QString& t, int& out, int low, int high) {
  bool ok = false;
  const int v = t.toInt(&ok);
  if (!ok || v < low || v > high) return false;
  out = v;
  return true;
}

bool level(const QString& t, int& out) { return wholeIn(t, out, 0, 100); }

bool yesNo(const QString& t, bool& out) {
  if (t.compare("true", Qt::CaseInsensitive) != 0 && t.compare("false", Qt::CaseInsensitive) != 0)
    return false;
  out = t.compare("true", Qt::CaseInsensitive) == 0;
  return true;
}

void readKeys(Reader& in, KeyBindings& keys) {
  for (Mode mode : kModes) {
    const auto& actions = actionsOf(mode);
    for (std::size_t i = 0; i < actions.size(); ++i) {
      const QString key = keyOf(mode, actions[i]);
      const auto t = in.text(key);
      if (!t) continue;
      if (t->compare("None", Qt::CaseInsensitive) == 0) {
        keys.set(mode, i, -1);
        continue;
      }
      const int code = keyCode(*t);
      if (code < 0)
        in.wrong(key, *t, "is not a key");
      else if (!bindable(code))
        in.wrong(key, *t, "is not a key a player may choose");
      else
        keys.set(mode, i, code);
    }
  }
}

void readButtons(Reader& in, KeyBindings& keys) {
  for (Mode mode : kModes) {
    std::set<int> taken;
    std::vector<std::pair<ui::PadButton, ui::PadButton>> swaps;  // as, pressed
    for (ui::PadButton as : kFaceButtons) {
      const QString key = buttonKeyOf(mode, as);
      const auto t = in.text(key);
      if (!t) continue;
      const int pressed = buttonOfName(*t);
      if (pressed < 0)
        in.wrong(key, *t, "is not A, B, X or Y");
      else if (!taken.insert(pressed).second)
        in.wrong(key, *t, "is another button's already");
      else
        swaps.emplace_back(as, static_cast<ui::PadButton>(pressed));
    }
    for (const auto& [as, pressed] : swaps) keys.swapButton(mode, as, pressed);
  }
}

// Whether `bytes` read as an INI file: text whose every line is blank, a
// comment, a [section] or a key=value. (Qt's reader stops quietly at a zero
// byte, and once it has read a path it may not read it afresh.)
bool looksLikeSettings(const QByteArray& bytes) {
  if (bytes.contains('\0')) return false;
  for (const QByteArray& line : bytes.split('\n')) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.contains('=')) continue;
    if (t.startsWith('[') && t.endsWith(']')) continue;
    return false;
  }
  return true;
}

}  // namespace

QString preferencesPath() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty() || QDir::isRelativePath(config)) config = QDir::homePath() + "/.config";
  return config + "/driftwing/driftwing.conf";
}

Preferences loadPreferences(const QString& path, std::string& warning) {
  warning.clear();
  Preferences prefs;
  const QFileInfo info(path);
  if (!info.exists()) return prefs;
  auto warn = [&](const QString& what) {
    warning = QStringLiteral("driftwing: %1%2").arg(shownPath(path), what).toStdString();
  };
  if (!info.isFile() || !info.isReadable()) {
    warn(" cannot be read; using the defaults");
    return prefs;
  }
  QSettings file(path, QSettings::IniFormat);
  QFile bytes(path);
  const bool text = bytes.open(QIODevice::ReadOnly) && looksLikeSettings(bytes.readAll());
  if (file.status() != QSettings::NoError || !text) {
    warn(" is not a settings file the game can read; using the defaults");
    return prefs;
  }
  Reader in(file);
  in.read<int>(kMusic, prefs.music, "is not 0 to 100", level);
  in.read<int>(kEffects, prefs.effects, "is not 0 to 100", level);
  in.read<bool>(kMuted, prefs.muted, "is not true or false", yesNo);
  in.read<bool>(kFullScreen, prefs.fullScreen, "is not true or false", yesNo);
  in.read<std::optional<int>>(kScale, prefs.scale, "is not a whole number from 1 to 16",
                              [](const QString& t, std::optional<int>& out) {
                                return wholeIn(t, out.emplace(), 1, kLargestScale);
                              });
  in.read<std::string>(kLanguage, prefs.language, "is not zh, en or auto",
                       [](const QString& t, std::string& out) {
                         if (t != "zh" && t != "en" && t != "auto") return false;
                         out = t.toStdString();
                         return true;
                       });
  readKeys(in, prefs.keys);
  readButtons(in, prefs.keys);
  if (!in.wrongs().isEmpty())
    warn(": " + in.wrongs().join(", ") + "; using the defaults for " +
         (in.wrongs().size() == 1 ? "that" : "those"));
  return prefs;
}

bool savePreferences(const QString& path, const Preferences& prefs, std::string& error) {
  auto fail = [&](const QString& what) {
    error = QStringLiteral("driftwing: %1: %2").arg(shownPath(path), what).toStdString();
    return false;
  };
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    return fail("its folder cannot be made; the settings are not kept");
  // Written beside the file and then put in its place: a game stopped while
  // writing leaves the old file whole. What the file says that this game does
  // not know (a later version's settings) is kept.
  const QString fresh = path + ".new";
  QFile::remove(fresh);
  {
    QSettings file(fresh, QSettings::IniFormat);
    if (QFileInfo(path).isFile()) {
      QSettings old(path, QSettings::IniFormat);
      if (old.status() == QSettings::NoError)
        for (const QString& key : old.allKeys()) file.setValue(key, old.value(key));
    }
    file.setValue(kMusic, prefs.music);
    file.setValue(kEffects, prefs.effects);
    file.setValue(kMuted, prefs.muted);
    if (prefs.scale)
      file.setValue(kScale, *prefs.scale);
    else
      file.remove(kScale);
    file.setValue(kFullScreen, prefs.fullScreen);
    if (prefs.language.empty())
      file.remove(kLanguage);
    else
      file.setValue(kLanguage, QString::fromStdString(prefs.language));
    for (Mode mode : kModes) {
      const auto& actions = actionsOf(mode);
      for (std::size_t i = 0; i < actions.size(); ++i) {
        const int key = prefs.keys.key(mode, i);
        const QString name = key < 0 ? QString() : keyName(key);
        file.setValue(keyOf(mode, actions[i]), name.isEmpty() ? QStringLiteral("None") : name);
      }
      for (ui::PadButton as : kFaceButtons)
        file.setValue(buttonKeyOf(mode, as), buttonName(prefs.keys.button(mode, as)));
    }
    file.sync();
    if (file.status() != QSettings::NoError) {
      QFile::remove(fresh);
      return fail("cannot be written; the settings are not kept");
    }
  }
  std::error_code ec;
  std::filesystem::rename(fresh.toStdString(), path.toStdString(), ec);
  if (ec) {
    QFile::remove(fresh);
    return fail(QStringLiteral("cannot be written (%1); the settings are not kept")
                    .arg(QString::fromStdString(ec.message())));
  }
  return true;
}

}  // namespace platform::qt
