#include "tools/gen_audio/midi.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace audiogen {
namespace {

std::uint8_t byte(int v) {
  if (v < 0 || v > 127) throw std::out_of_range("MIDI data byte out of range");
  return static_cast<std::uint8_t>(v);
}

std::uint8_t status(int kind, int channel) {
  if (channel < 0 || channel > 15) throw std::out_of_range("MIDI channel out of range");
  return static_cast<std::uint8_t>(kind | channel);
}

void putVarLen(std::vector<std::uint8_t>& out, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  do {
    buf[n++] = static_cast<std::uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) out.push_back(buf[--n] | 0x80);
  out.push_back(buf[0]);
}

void putBE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

MidiTrack::MidiTrack(std::string_view name) {
  std::vector<std::uint8_t> meta = {0xFF, 0x03};
  putVarLen(meta, static_cast<std::uint32_t>(name.size()));
  meta.insert(meta.end(), name.begin(), name.end());
  add(0, kMeta, std::move(meta));
}

void MidiTrack::tempo(std::uint32_t tick, double bpm) {
  const auto usec = static_cast<std::uint32_t>(std::lround(60'000'000.0 / bpm));
  std::vector<std::uint8_t> meta = {0xFF, 0x51, 0x03};
  putBE(meta, usec, 3);
  add(tick, kMeta, std::move(meta));
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominator) {
  int power = 0;
  while ((1 << power) < denominator) ++power;
  add(tick, kMeta, {0xFF, 0x58, 0x04, byte(numerator), byte(power), 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
  add(tick, kSetup, {status(0xC0, channel), byte(program)});
}

void MidiTrack::control(std::uint32_t tick, int channel, int controller, int value) {
  add(tick, kSetup, {status(0xB0, channel), byte(controller), byte(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  if (velocity < 1 || length == 0) throw std::out_of_range("silent MIDI note");
  const std::uint8_t on = status(0x90, channel);
  add(tick, kOn, {on, byte(key), byte(velocity)});
  add(tick + length, kOff, {on, byte(key), 0});  // note on with velocity 0
}

void MidiTrack::add(std::uint32_t tick, Rank rank, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, rank, static_cast<std::uint32_t>(events_.size()), std::move(bytes)});
}

std::vector<std::uint8_t> MidiTrack::encode() const {
  std::vector<const Event*> order;
  for (const Event& e : events_) order.push_back(&e);
  std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->rank != b->rank) return a->rank < b->rank;
    return a->seq < b->seq;
  });

  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  std::uint8_t running = 0;
  for (const Event* e : order) {
    putVarLen(body, e->tick - now);
    now = e->tick;
    const bool channelMessage = e->bytes[0] < 0xF0;
    const bool skipStatus = channelMessage && e->bytes[0] == running;
    body.insert(body.end(), e->bytes.begin() + (skipStatus ? 1 : 0), e->bytes.end());
    running = channelMessage ? e->bytes[0] : 0;
  }
  putVarLen(body, std::max(end_, now) - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
  putBE(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks,
                                         std::uint16_t division) {
  std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  putBE(out, static_cast<std::uint32_t>(tracks.size()), 2);
  putBE(out, division, 2);
  for (const MidiTrack& track : tracks) {
    const std::vector<std::uint8_t> chunk = track.encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace audiogen
