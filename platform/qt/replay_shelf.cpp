#include "platform/qt/replay_shelf.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

namespace platform::qt {

namespace {

constexpr const char* kExtension = ".replay";
constexpr const char* kOptionsMark = "#!";
constexpr const char* kAboutMark = "# Driftwing recording:";
// Longer than any first line a recording has: a file of one endless line is
// read no further.
constexpr qint64 kLongestHeadingLine = 16 * 1024;

// A file of the folder with a recording's name, as its first lines read.
struct Found {
  ShelvedRecording recording;
  // Its second line is an about line: it is one of the shelf's recordings,
  // the shelf's to remove.
  bool ours = false;
};

std::string field(const std::map<std::string, std::string>& about, const char* name) {
  const auto it = about.find(name);
  return it != about.end() ? it->second : std::string();
}

// The start of a race as the about line writes it, in UTC.
QDateTime startOf(const std::string& date) {
  if (date.empty()) return {};
  QDateTime when = QDateTime::fromString(QString::fromStdString(date), Qt::ISODate);
  return when.isValid() ? when.toUTC() : QDateTime();
}

// A word of a file name: letters, digits and dashes only, whatever the
// about line holds.
QString nameWord(const std::string& word) {
  QString out;
  for (char c : word.substr(0, 24)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    out += plain ? QChar::fromLatin1(c) : QChar(u'-');
  }
  return out;
}

std::int64_t wholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 15) return -1;
  std::int64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

QString lineOf(QFile& file) {
  QByteArray line = file.readLine(kLongestHeadingLine);
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  return QString::fromUtf8(line);
}

// Reads the first two lines of `path`.
Found read(const QFileInfo& info) {
  Found found;
  ShelvedRecording& r = found.recording;
  r.path = info.filePath().toStdString();
  r.damaged = true;
  QFile file(info.filePath());
  if (file.open(QIODevice::ReadOnly)) {
    const QString options = lineOf(file);
    const QString about = lineOf(file);
    if (about.startsWith(QLatin1String(kAboutMark))) {
      found.ours = true;
      const QStringList words =
          about.mid(static_cast<qsizetype>(std::char_traits<char>::length(kAboutMark)))
              .split(QLatin1Char(' '), Qt::SkipEmptyParts);
      for (const QString& word : words) {
        const qsizetype eq = word.indexOf(QLatin1Char('='));
        if (eq > 0) r.about[word.left(eq).toStdString()] = word.mid(eq + 1).toStdString();
      }
      r.mode = field(r.about, "mode");
      r.date = field(r.about, "date");
      r.result = field(r.about, "result");
      r.time = wholeNumber(field(r.about, "time"));
      r.damaged = !options.startsWith(QLatin1String(kOptionsMark)) || r.mode.empty();
    }
  }
  const QDateTime start = startOf(r.date);
  r.started =
      start.isValid() ? start.toSecsSinceEpoch() : info.lastModified().toUTC().toSecsSinceEpoch();
  return found;
}

// Every file of the folder with a recording's name, newest first, damaged
// ones after the rest.
std::vector<Found> shelved(const std::string& folder) {
  std::vector<Found> all;
  const QDir dir(QString::fromStdString(folder));
  const QFileInfoList files = dir.entryInfoList({QStringLiteral("*") + QLatin1String(kExtension)},
                                                QDir::Files | QDir::CaseSensitive);
  for (const QFileInfo& info : files) all.push_back(read(info));
  std::sort(all.begin(), all.end(), [](const Found& a, const Found& b) {
    const ShelvedRecording &x = a.recording, &y = b.recording;
    return std::tuple(!x.damaged, x.started, x.path) > std::tuple(!y.damaged, y.started, y.path);
  });
  return all;
}

bool isStage(const std::string& mode) {
  return mode.size() == 6 && mode.starts_with("stage") && mode[5] >= '1' && mode[5] <= '5';
}

}  // namespace

ReplayShelf::ReplayShelf()
    : folder_((QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/driftwing/replays"))
                  .toStdString()) {}

ReplayShelf::ReplayShelf(std::string folder)
    : folder_(QDir::cleanPath(QString::fromStdString(folder)).toStdString()) {}

std::string ReplayShelf::fileName(const std::map<std::string, std::string>& about, int copy) {
  QDateTime start = startOf(field(about, "date"));
  if (!start.isValid()) start = QDateTime::currentDateTimeUtc();
  // The player's own clock reads best in a list of files.
  QString name = start.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
  const QString mode = nameWord(field(about, "mode"));
  const QString result = nameWord(field(about, "result"));
  name += QLatin1Char('_') + (mode.isEmpty() ? QStringLiteral("race") : mode);
  if (!result.isEmpty()) name += QLatin1Char('_') + result;
  if (copy > 1) name += QLatin1Char('_') + QString::number(copy);
  return (name + QLatin1String(kExtension)).toStdString();
}

std::optional<std::string> ReplayShelf::save(const std::string& text,
                                             const std::map<std::string, std::string>& about,
                                             std::string& error) const {
  const QString folder = QString::fromStdString(folder_);
  if (!QDir().mkpath(folder)) {
    error = "cannot make the folder of recordings " + folder_;
    return std::nullopt;
  }
  // A name no recording has yet: an older one is never written over.
  QString path;
  for (int copy = 1; copy < 1000 && path.isEmpty(); ++copy) {
    const QString name = folder + QLatin1Char('/') + QString::fromStdString(fileName(about, copy));
    if (!QFileInfo::exists(name)) path = name;
  }
  if (path.isEmpty()) {
    error = "too many recordings started in the same second in " + folder_;
    return std::nullopt;
  }
  // Written beside it and moved into place once whole: a crash or a full
  // disk leaves no half recording.
  QSaveFile file(path);
  const auto size = static_cast<qint64>(text.size());
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
    error = "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
    file.cancelWriting();
    return std::nullopt;
  }
  prune(path.toStdString());
  return path.toStdString();
}

std::vector<ShelvedRecording> ReplayShelf::list() const {
  std::vector<ShelvedRecording> out;
  for (Found& f : shelved(folder_)) out.push_back(std::move(f.recording));
  return out;
}

void ReplayShelf::prune(const std::string& keep) const {
  const std::vector<Found> all = shelved(folder_);
  std::set<std::string> kept{keep};
  // The fastest pass of each stage at each difficulty, the first one to do
  // it on a tie.
  std::map<std::pair<std::string, std::string>, const ShelvedRecording*> fastest;
  std::size_t newest = 0;
  for (const Found& f : all) {
    if (!f.ours) continue;
    const ShelvedRecording& r = f.recording;
    if (newest < kKeptNewest) {
      kept.insert(r.path);
      ++newest;
    }
    if (r.damaged || !isStage(r.mode) || r.result != "passed" || r.time < 0) continue;
    const ShelvedRecording*& best = fastest[{r.mode, field(r.about, "difficulty")}];
    if (best == nullptr || r.time <= best->time) best = &r;
  }
  for (const auto& [stage, best] : fastest) kept.insert(best->path);
  for (const Found& f : all)
    if (f.ours && !kept.contains(f.recording.path))
      QFile::remove(QString::fromStdString(f.recording.path));
}

}  // namespace platform::qt
