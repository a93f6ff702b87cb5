#include "app/recordings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <cstdio>

#include "replay/recording.h"

namespace app {

std::map<std::string, std::string> aboutOf(const replay::Take& take) {
  auto about = take.about;
  const QDateTime began = QDateTime::currentDateTimeUtc().addMSecs(-take.length);
  about["date"] = began.toString(Qt::ISODate).toStdString();
  return about;
}

std::string recordingOf(const replay::Take& take, const std::map<std::string, std::string>& about) {
  replay::RecordingOptions options;
  options.screen = take.screen;
  options.sets = take.sets;
  options.until = take.length;
  options.events = static_cast<int>(take.lines.size());
  options.gameVersion = replay::gameVersion();
  return replay::recordingText(options, about, take.lines);
}

void keepRecording(const replay::Take& take, const platform::qt::ReplayShelf& shelf) {
  const auto about = aboutOf(take);
  std::string error;
  if (!shelf.save(recordingOf(take, about), about, error))
    std::fprintf(stderr, "driftwing: the race was not kept: %s\n", error.c_str());
}

std::string watchInNewGame(const std::string& path) {
  std::string error;
  if (!replay::readRecording(path, error)) return error;
  const QString game = QCoreApplication::applicationFilePath();
  if (!QProcess::startDetached(game, {QStringLiteral("--watch"), QString::fromStdString(path)}))
    return "cannot start " + game.toStdString();
  return {};
}

}  // namespace app
