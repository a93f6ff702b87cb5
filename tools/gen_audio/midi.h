// Standard MIDI File writer: events are collected per track, then encoded.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace audiogen {

class MidiTrack {
 public:
  // Starts the track with a track-name meta event.
  explicit MidiTrack(std::string_view name);

  void tempo(std::uint32_t tick, double bpm);
  void timeSignature(std::uint32_t tick, int numerator, int denominator);
  void program(std::uint32_t tick, int channel, int program);
  void control(std::uint32_t tick, int channel, int controller, int value);
  // Note on at `tick`, note off `length` ticks later. Channels are 0-based (9 = drums).
  void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  // The end-of-track event goes here, or after the last event if that is later.
  void setEnd(std::uint32_t tick) { end_ = tick; }

  // The complete MTrk chunk, using running status.
  std::vector<std::uint8_t> encode() const;

 private:
  // Order of events sharing a tick: meta, then setup, then note offs, then note ons.
  enum Rank { kMeta, kSetup, kOff, kOn };
  struct Event {
    std::uint32_t tick;
    Rank rank;
    std::uint32_t seq;
    std::vector<std::uint8_t> bytes;
  };
  void add(std::uint32_t tick, Rank rank, std::vector<std::uint8_t> bytes);

  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

// Format 1 file with the given tracks; `division` is ticks per quarter note.
std::vector<std::uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks,
                                         std::uint16_t division);

}  // namespace audiogen
