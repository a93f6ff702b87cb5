// A sound device that records instead of playing, for the virtual clock:
// it reports one device, and every wave and music change is handed on.
#pragma once

#include <functional>
#include <string>

#include "media/media.h"

namespace media {

class RecordingMedia : public Media {
 public:
  std::function<void(const std::string&)> onWave;
  std::function<void(const std::string&)> onMusic;

  void playWave(const std::string& name) override {
    if (onWave) onWave(name);
  }
  void setMusic(const std::string& file) override {
    if (onMusic) onMusic(file);
  }
  int deviceCount() override { return 1; }
};

}  // namespace media
