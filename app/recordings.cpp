#include "app/recordings.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "replay/recording.h"

namespace app {

std::string recordingOf(const replay::Take& take) {
  replay::RecordingOptions options;
  options.screen = take.screen;
  options.sets = take.sets;
  options.until = take.length;
  options.events = static_cast<int>(take.lines.size());
  options.gameVersion = replay::gameVersion();
  auto about = take.about;
  const QDateTime began = QDateTime::currentDateTimeUtc().addMSecs(-take.length);
  about["date"] = began.toString(Qt::ISODate).toStdString();
  return replay::recordingText(options, about, take.lines);
}

void keepRecording(const replay::Take& take) {
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/driftwing/replays";
  const auto mode = take.about.count("mode") ? take.about.at("mode") : std::string("race");
  const auto result = take.about.count("result") ? take.about.at("result") : std::string();
  const QString name = QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss_") +
                       QString::fromStdString(mode + "_" + result) + replay::kRecordingExtension;
  QSaveFile file(folder + "/" + name);
  const std::string text = recordingOf(take);
  if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit())
    std::fprintf(stderr, "driftwing: cannot keep the race's recording in %s: %s\n",
                 qPrintable(folder), qPrintable(file.errorString()));
}

}  // namespace app
