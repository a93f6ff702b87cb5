#include "platform/qt/language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace platform::qt {

namespace {

std::unique_ptr<QTranslator> gTranslator;
QString gLanguage = QStringLiteral("zh");
QHash<QByteArray, QString> gCache;

bool hasHan(const QString& s) {
  for (QChar c : s) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x303F) || (u >= 0x4E00 && u <= 0x9FFF) ||
        (u >= 0xFF00 && u <= 0xFFEF))
      return true;
  }
  return false;
}

// The translation of exactly `text`, or a null string.
QString lookup(const QString& text) {
  if (!gTranslator || text.isEmpty()) return {};
  return gTranslator->translate("Words", text.toUtf8().constData());
}

QString translate(const QString& text) {
  if (const QString whole = lookup(text); !whole.isNull()) return whole;
  // The longest translated beginning, then the longest translated ending of
  // what is left; what lies between is a name and stays.
  QString head, middle = text, tail;
  for (qsizetype n = text.size() - 1; n > 0; --n) {
    if (const QString t = lookup(text.left(n)); !t.isNull()) {
      head = t;
      middle = text.mid(n);
      break;
    }
  }
  for (qsizetype n = 1; n < middle.size(); ++n) {
    if (const QString t = lookup(middle.mid(n)); !t.isNull()) {
      tail = t;
      middle = middle.left(n);
      break;
    }
  }
  return head + middle + tail;
}

}  // namespace

bool setLanguage(const QString& code) {
  QString wanted = code.toLower();
  if (wanted == QLatin1String("auto"))
    wanted = QLocale::system().language() == QLocale::English ? QStringLiteral("en")
                                                              : QStringLiteral("zh");
  gCache.clear();
  if (wanted == QLatin1String("zh")) {
    gTranslator.reset();
    gLanguage = wanted;
    return true;
  }
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/i18n/driftwing_%1.qm").arg(wanted))) return false;
  gTranslator = std::move(translator);
  gLanguage = wanted;
  return true;
}

QString language() { return gLanguage; }

QString shown(const std::string& text) {
  QString s = QString::fromStdString(text);
  if (!gTranslator || !hasHan(s)) return s;
  const QByteArray key = QByteArray::fromStdString(text);
  auto it = gCache.constFind(key);
  if (it != gCache.constEnd()) return *it;
  // A game's texts are few; a chat box's lines are not, so the cache stays small.
  if (gCache.size() > 4096) gCache.clear();
  return *gCache.insert(key, translate(s));
}

}  // namespace platform::qt
