// Standard MIDI File writer: events are collected per track, then encoded.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace driftwing::audiogen {

class MidiTrack {
 public:
  // Starts the track with a track-name meta event.
  explicit MidiTrack(std::string_view name);

  void Tempo(uint32_t tick, double bpm);
  void TimeSignature(uint32_t tick, int numerator, int denominator);
  void Program(uint32_t tick, int channel, int program);
  void Control(uint32_t tick, int channel, int controller, int value);
  // Note on at `tick`, note off `length` ticks later. Channels are 0-based (9 = drums).
  void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
  // The end-of-track event goes here, or after the last event if that is later.
  void SetEnd(uint32_t tick) { end_ = tick; }

  // The complete MTrk chunk, using running status.
  std::vector<uint8_t> Encode() const;

 private:
  // Order of events sharing a tick: meta, then setup, then note offs, then note ons.
  enum Rank { kMeta, kSetup, kOff, kOn };
  struct Event {
    uint32_t tick;
    Rank rank;
    uint32_t seq;
    std::vector<uint8_t> bytes;
  };
  void Add(uint32_t tick, Rank rank, std::vector<uint8_t> bytes);

  std::vector<Event> events_;
  uint32_t end_ = 0;
};

// Format 1 file with the given tracks; `division` is ticks per quarter note.
std::vector<uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t division);

}  // namespace driftwing::audiogen
