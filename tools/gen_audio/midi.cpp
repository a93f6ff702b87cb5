#include "midi.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace driftwing::audiogen {
namespace {

uint8_t Byte(int v) {
  if (v < 0 || v > 127) throw std::out_of_range("MIDI data byte out of range");
  return static_cast<uint8_t>(v);
}

uint8_t Status(int kind, int channel) {
  if (channel < 0 || channel > 15) throw std::out_of_range("MIDI channel out of range");
  return static_cast<uint8_t>(kind | channel);
}

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  do {
    buf[n++] = static_cast<uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) out.push_back(buf[--n] | 0x80);
  out.push_back(buf[0]);
}

void PutBE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

MidiTrack::MidiTrack(std::string_view name) {
  std::vector<uint8_t> meta = {0xFF, 0x03};
  PutVarLen(meta, static_cast<uint32_t>(name.size()));
  meta.insert(meta.end(), name.begin(), name.end());
  Add(0, kMeta, std::move(meta));
}

void MidiTrack::Tempo(uint32_t tick, double bpm) {
  const auto usec = static_cast<uint32_t>(std::lround(60'000'000.0 / bpm));
  std::vector<uint8_t> meta = {0xFF, 0x51, 0x03};
  PutBE(meta, usec, 3);
  Add(tick, kMeta, std::move(meta));
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominator) {
  int power = 0;
  while ((1 << power) < denominator) ++power;
  Add(tick, kMeta, {0xFF, 0x58, 0x04, Byte(numerator), Byte(power), 24, 8});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  Add(tick, kSetup, {Status(0xC0, channel), Byte(program)});
}

void MidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
  Add(tick, kSetup, {Status(0xB0, channel), Byte(controller), Byte(value)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  if (velocity < 1 || length == 0) throw std::out_of_range("silent MIDI note");
  const uint8_t status = Status(0x90, channel);
  Add(tick, kOn, {status, Byte(key), Byte(velocity)});
  Add(tick + length, kOff, {status, Byte(key), 0});  // note on with velocity 0
}

void MidiTrack::Add(uint32_t tick, Rank rank, std::vector<uint8_t> bytes) {
  events_.push_back({tick, rank, static_cast<uint32_t>(events_.size()), std::move(bytes)});
}

std::vector<uint8_t> MidiTrack::Encode() const {
  std::vector<const Event*> order;
  for (const Event& e : events_) order.push_back(&e);
  std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->rank != b->rank) return a->rank < b->rank;
    return a->seq < b->seq;
  });

  std::vector<uint8_t> body;
  uint32_t now = 0;
  uint8_t running = 0;
  for (const Event* e : order) {
    PutVarLen(body, e->tick - now);
    now = e->tick;
    const bool channel_message = e->bytes[0] < 0xF0;
    const bool skip_status = channel_message && e->bytes[0] == running;
    body.insert(body.end(), e->bytes.begin() + (skip_status ? 1 : 0), e->bytes.end());
    running = channel_message ? e->bytes[0] : 0;
  }
  PutVarLen(body, std::max(end_, now) - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
  PutBE(chunk, static_cast<uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t division) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  PutBE(out, static_cast<uint32_t>(tracks.size()), 2);
  PutBE(out, division, 2);
  for (const MidiTrack& track : tracks) {
    const std::vector<uint8_t> chunk = track.Encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace driftwing::audiogen
