// The game's MIDI tunes, played by FluidSynth with a General MIDI soundfont.
// Each tune loads the soundfont cut down to the instruments it picks and the
// samples its notes reach, so a tune costs what it plays, not the whole
// soundfont; the previous tune's are let go before.
//
// One tune plays at a time, looping. The music thread starts and stops tunes;
// the audio device pulls the sound with render(). A tune that is replaced
// first fades out over a few milliseconds, so a change never clicks. While a
// tune loads, the device hears silence and never waits.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace platform {

class MusicSynth {
 public:
  // rate: the device's samples a second; gain: FluidSynth's output gain.
  MusicSynth(std::string soundFont, int rate, float gain);
  ~MusicSynth();
  MusicSynth(const MusicSynth&) = delete;
  MusicSynth& operator=(const MusicSynth&) = delete;

  // Fades out the tune playing, then starts the MIDI file at `path`, looping
  // for ever. False, and silence, when the soundfont or the file is missing
  // or cannot be read as a tune. Called from one thread only.
  bool start(const std::string& path);
  // Fades out the tune playing and leaves silence.
  void stop();
  // Fills `frames` frames of 16-bit stereo; silence when no tune plays.
  // Called from the audio device's thread.
  void render(std::int16_t* out, int frames);

 private:
  bool ready();
  bool loadFontFor(const std::vector<char>& tune);
  void unloadFont();
  void fadeOut(std::unique_lock<std::mutex>& lock);
  void dropTune();

  const std::string soundFont_;
  const int rate_;
  const float gain_;
  // Made on the first tune; failed_ once the soundfont could not be loaded.
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  bool failed_ = false;
  // The soundfont of the tune playing, and the name its cut is read by.
  int fontId_ = -1;
  std::string cutName_;

  // Shared with the audio device, under the mutex.
  std::mutex mutex_;
  std::condition_variable faded_;
  _fluid_player_t* player_ = nullptr;
  // The tune's first moment, rendered as it loaded, played before the rest.
  std::vector<std::int16_t> lead_;
  std::size_t leadAt_ = 0;
  int fadeLeft_ = 0;   // frames of fade still to play, 0 when not fading
  bool muted_ = true;  // the tune has faded out, or none plays
};

}  // namespace platform
