#include "platform/sdl/tune_notes.h"

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Reads the bytes of one chunk of the file; every read past its end fails.
class Bytes {
 public:
  Bytes(const unsigned char* at, std::size_t size) : at_(at), end_(at + size) {}
  bool done() const { return at_ == end_; }
  bool byte(int& out) {
    if (at_ == end_) return false;
    out = *at_++;
    return true;
  }
  // A variable-length quantity: seven bits a byte, at most four bytes.
  bool number(std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      int b = 0;
      if (!byte(b)) return false;
      out = (out << 7) | std::uint32_t(b & 0x7f);
      if ((b & 0x80) == 0) return true;
    }
    return false;
  }
  bool skip(std::uint32_t n) {
    if (std::size_t(end_ - at_) < n) return false;
    at_ += n;
    return true;
  }

 private:
  const unsigned char* at_;
  const unsigned char* end_;
};

std::uint32_t bigEndian(const unsigned char* p, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | p[i];
  return v;
}

// One track's events, added to `notes`; false when the track cannot be
// followed.
bool readTrack(Bytes track, TuneNotes& notes) {
  int running = 0;
  while (!track.done()) {
    std::uint32_t delta = 0;
    int status = 0;
    if (!track.number(delta) || !track.byte(status)) return false;
    if (status == 0xff) {
      int type = 0;
      std::uint32_t length = 0;
      if (!track.byte(type) || !track.number(length) || !track.skip(length)) return false;
      if (type == 0x21) return false;  // a MIDI port
      running = 0;
      continue;
    }
    if (status >= 0xf0) return false;  // system exclusive and the like
    int first = status;
    if (status < 0x80) {
      if (running == 0) return false;
      status = running;
    } else if (!track.byte(first)) {
      return false;
    }
    running = status;
    const int kind = status & 0xf0;
    const int channel = status & 0x0f;
    int second = 0;
    if (kind != 0xc0 && kind != 0xd0 && !track.byte(second)) return false;
    if (first > 0x7f || second > 0x7f) return false;
    TuneNotes::Channel& c = notes.channels[std::size_t(channel)];
    if (kind == 0x90 && second > 0) c.notes.insert({first, second});
    if (kind == 0xc0) c.programs.insert(first);
    if (kind == 0xb0 && (first == 0 || first == 32)) return false;  // a bank select
  }
  return true;
}

}  // namespace

std::optional<TuneNotes> readTuneNotes(const std::vector<char>& midi) {
  const auto* data = reinterpret_cast<const unsigned char*>(midi.data());
  const std::size_t size = midi.size();
  if (size < 14 || std::memcmp(data, "MThd", 4) != 0) return std::nullopt;
  const std::uint32_t headerSize = bigEndian(data + 4, 4);
  if (headerSize < 6 || headerSize > size - 8) return std::nullopt;
  const std::uint32_t tracks = bigEndian(data + 10, 2);
  std::size_t at = 8 + headerSize;
  TuneNotes notes;
  for (std::uint32_t t = 0; t < tracks; ++t) {
    if (size - at < 8 || std::memcmp(data + at, "MTrk", 4) != 0) return std::nullopt;
    const std::uint32_t length = bigEndian(data + at + 4, 4);
    if (length > size - at - 8) return std::nullopt;
    if (!readTrack(Bytes(data + at + 8, length), notes)) return std::nullopt;
    at += 8 + std::size_t(length);
  }
  return notes;
}

}  // namespace platform
