// Sound effects and music. Screens call playWave and setMusic from their
// handlers; a backend plays them. Wave names are used exactly as the game
// writes them ("\C6.wav"): they name files in the program's folder. Music is
// a bare file name ("tvop.Mid"), also looked up in the program's folder.
// Nothing here ever fails loudly: a missing file, a missing soundfont or no
// audio device simply gives silence.
#pragma once

#include <string>

namespace media {

class Media {
 public:
  virtual ~Media() = default;
  // Plays a wave without waiting; it replaces any wave still playing.
  virtual void playWave(const std::string& name) = 0;
  // Starts the given music file at once, looping; the previous tune stops.
  virtual void setMusic(const std::string& file) = 0;
  // The number of wave-output devices.
  virtual int deviceCount() = 0;
};

// The file a wave or music name refers to: the folder followed by the name,
// with the game's backslashes turned into this system's separators.
std::string soundPath(const std::string& folder, const std::string& name);

// Plays nothing and reports no device.
class SilentMedia : public Media {
 public:
  void playWave(const std::string&) override {}
  void setMusic(const std::string&) override {}
  int deviceCount() override { return 0; }
};

}  // namespace media
