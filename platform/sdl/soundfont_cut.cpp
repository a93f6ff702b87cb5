#include "platform/sdl/soundfont_cut.h"

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <utility>

namespace platform {

namespace {

using Notes = std::set<std::pair<int, int>>;
using Bytes = std::vector<char>;

// Generators that matter to the cut.
constexpr int kKeyRange = 43, kVelRange = 44, kInstrument = 41, kSampleId = 53;
constexpr int kDrumBank = 128;

int u16(const char* p) {
  return int(static_cast<unsigned char>(p[0])) | int(static_cast<unsigned char>(p[1])) << 8;
}
std::uint32_t u32(const char* p) { return std::uint32_t(u16(p)) | std::uint32_t(u16(p + 2)) << 16; }
void putU16(char* p, int v) {
  p[0] = char(v & 0xff);
  p[1] = char((v >> 8) & 0xff);
}
void putU32(char* p, std::uint32_t v) {
  putU16(p, int(v & 0xffff));
  putU16(p + 2, int(v >> 16));
}

// A table of the hydra: records of one size, the last a terminal one.
struct Table {
  Bytes bytes;
  int size = 1;
  int count() const { return int(bytes.size()) / size; }
  const char* at(int i) const { return bytes.data() + std::ptrdiff_t(i) * size; }
};

// One level of the hydra: the presets and their zones, or the instruments
// and theirs. A header's zones run from its bag index to the next header's; a
// zone's generators and modulators from its bag's indices to the next bag's.
struct Level {
  Table headers, bags, mods, gens;
  int bagField = 0;  // where a header keeps its first bag
  int terminal = 0;  // the generator that ends a zone: its instrument or sample

  int items() const { return headers.count() - 1; }
  int firstZone(int item) const { return u16(headers.at(item) + bagField); }
  int firstGen(int zone) const { return u16(bags.at(zone)); }
  int firstMod(int zone) const { return u16(bags.at(zone) + 2); }
  bool sane() const {
    if (items() < 0 || bags.count() < 1 || gens.count() < 1 || mods.count() < 1) return false;
    for (int i = 0; i < items(); ++i)
      if (firstZone(i) > firstZone(i + 1)) return false;
    if (firstZone(items()) >= bags.count()) return false;
    for (int z = 0; z + 1 < bags.count(); ++z)
      if (firstGen(z) > firstGen(z + 1) || firstMod(z) > firstMod(z + 1)) return false;
    return firstGen(bags.count() - 1) < gens.count() && firstMod(bags.count() - 1) < mods.count();
  }
  // The zone's instrument or sample, -1 for a zone without one.
  int target(int zone) const {
    for (int g = firstGen(zone); g < firstGen(zone + 1); ++g)
      if (u16(gens.at(g)) == terminal) return u16(gens.at(g) + 2);
    return -1;
  }
  // The notes of `notes` the zone answers. Its key range counts only as the
  // zone's first generator and its velocity range only right after, as the
  // format asks; anywhere else the zone is taken to answer every note.
  Notes answered(int zone, const Notes& notes) const {
    int keyLo = 0, keyHi = 127, velLo = 0, velHi = 127;
    int g = firstGen(zone);
    const int end = firstGen(zone + 1);
    if (g < end && u16(gens.at(g)) == kKeyRange) {
      keyLo = static_cast<unsigned char>(gens.at(g)[2]);
      keyHi = static_cast<unsigned char>(gens.at(g)[3]);
      ++g;
    }
    if (g < end && u16(gens.at(g)) == kVelRange) {
      velLo = static_cast<unsigned char>(gens.at(g)[2]);
      velHi = static_cast<unsigned char>(gens.at(g)[3]);
    }
    Notes in;
    for (const auto& [key, vel] : notes)
      if (key >= keyLo && key <= keyHi && vel >= velLo && vel <= velHi) in.insert({key, vel});
    return in;
  }
};

// The zones of `item` to keep for the notes it plays: its global zone (a
// first zone without an instrument or sample), and every zone that answers
// one of the notes, with the notes it answers. A later zone without one is
// ignored by the synthesizer, and left out.
std::vector<std::pair<int, Notes>> keptZones(const Level& level, int item, const Notes& notes) {
  std::vector<std::pair<int, Notes>> kept;
  for (int z = level.firstZone(item); z < level.firstZone(item + 1); ++z) {
    if (level.target(z) < 0) {
      if (z == level.firstZone(item)) kept.push_back({z, {}});
      continue;
    }
    Notes in = level.answered(z, notes);
    if (!in.empty()) kept.push_back({z, std::move(in)});
  }
  return kept;
}

// Writes the items of `level` picked in `items` (old index, zones kept) as a
// new level; the terminal generator's value goes through `retarget`.
template <typename Retarget>
Level rebuild(const Level& level, const std::vector<std::pair<int, std::vector<int>>>& items,
              Retarget retarget) {
  Level out = level;
  for (Table* t : {&out.headers, &out.bags, &out.mods, &out.gens}) t->bytes.clear();
  auto append = [](Table& t, const char* record) {
    t.bytes.insert(t.bytes.end(), record, record + t.size);
  };
  auto zoneStart = [&] {
    Bytes bag(4, 0);
    putU16(bag.data(), out.gens.count());
    putU16(bag.data() + 2, out.mods.count());
    append(out.bags, bag.data());
  };
  // A header, its zones starting at the next bag written.
  auto header = [&](const char* record) {
    append(out.headers, record);
    char* last = out.headers.bytes.data() + out.headers.bytes.size() - level.headers.size;
    putU16(last + level.bagField, out.bags.count());
  };
  for (const auto& [item, zones] : items) {
    header(level.headers.at(item));
    for (int z : zones) {
      zoneStart();
      for (int g = level.firstGen(z); g < level.firstGen(z + 1); ++g) {
        append(out.gens, level.gens.at(g));
        char* gen = out.gens.bytes.data() + out.gens.bytes.size() - 4;
        if (u16(gen) == level.terminal) putU16(gen + 2, retarget(u16(gen + 2)));
      }
      for (int m = level.firstMod(z); m < level.firstMod(z + 1); ++m)
        append(out.mods, level.mods.at(m));
    }
  }
  // The terminal records, the headers' pointing past the last zone.
  header(level.headers.at(level.items()));
  zoneStart();
  append(out.gens, level.gens.at(level.gens.count() - 1));
  append(out.mods, level.mods.at(level.mods.count() - 1));
  return out;
}

// The preset a program change picks on a channel, as the synthesizer finds
// it: the drum bank's first kit for a missing kit, the first bank's program
// for a missing bank, its first preset for a missing program; -1 for none.
int pickedPreset(const Level& presets, int channel, int program) {
  auto find = [&](int bank, int number) {
    for (int p = 0; p < presets.items(); ++p)
      if (u16(presets.headers.at(p) + 22) == bank && u16(presets.headers.at(p) + 20) == number)
        return p;
    return -1;
  };
  if (channel == TuneNotes::kDrumChannel) {
    const int kit = find(kDrumBank, program);
    return kit >= 0 ? kit : find(kDrumBank, 0);
  }
  const int preset = find(0, program);
  return preset >= 0 ? preset : find(0, 0);
}

struct Chunk {
  char id[4];
  std::uint32_t size;
};

bool readChunk(std::istream& in, Chunk& c) {
  char header[8];
  if (!in.read(header, 8)) return false;
  std::memcpy(c.id, header, 4);
  c.size = u32(header + 4);
  return true;
}

}  // namespace

std::optional<SoundFontCut> cutSoundFont(const std::string& path, const TuneNotes& notes) {
  std::ifstream in(path, std::ios::binary);
  char riff[12];
  if (!in.read(riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "sfbk", 4) != 0)
    return std::nullopt;
  const std::uint64_t end = 8 + std::uint64_t(u32(riff + 4));
  // The hydra is the last chunk of the file.
  std::uint64_t at = 12;
  Chunk list{};
  char type[4] = {};
  for (;;) {
    in.seekg(std::streamoff(at));
    if (!readChunk(in, list) || !in.read(type, 4)) return std::nullopt;
    if (std::memcmp(list.id, "LIST", 4) == 0 && std::memcmp(type, "pdta", 4) == 0) break;
    at += 8 + std::uint64_t(list.size) + (list.size & 1);
  }
  if (at + 8 + list.size != end || list.size < 4) return std::nullopt;
  std::map<std::string, Bytes> chunks;
  for (std::uint32_t read = 4; read + 8 <= list.size;) {
    Chunk c{};
    if (!readChunk(in, c) || c.size > list.size - read - 8) return std::nullopt;
    Bytes body(c.size);
    if (!in.read(body.data(), std::streamsize(c.size))) return std::nullopt;
    chunks[std::string(c.id, 4)] = std::move(body);
    read += 8 + c.size;
  }
  auto table = [&](const char* id, int size) { return Table{chunks[id], size}; };
  Level presets{table("phdr", 38), table("pbag", 4), table("pmod", 10), table("pgen", 4), 24,
                kInstrument};
  Level instruments{table("inst", 22), table("ibag", 4), table("imod", 10), table("igen", 4), 20,
                    kSampleId};
  const Bytes& samples = chunks["shdr"];
  if (!presets.sane() || !instruments.sane() || samples.empty()) return std::nullopt;

  // The notes each picked preset plays: every note of its channel, whatever
  // program the channel had then.
  std::map<int, Notes> presetNotes;
  for (int channel = 0; channel < int(notes.channels.size()); ++channel) {
    const TuneNotes::Channel& c = notes.channels[std::size_t(channel)];
    for (int program : c.programs)
      if (int p = pickedPreset(presets, channel, program); p >= 0)
        presetNotes[p].insert(c.notes.begin(), c.notes.end());
  }
  std::vector<std::pair<int, std::vector<int>>> keptPresets;
  std::map<int, Notes> instrumentNotes;
  for (const auto& [p, played] : presetNotes) {
    std::vector<int> zones;
    for (auto& [z, in] : keptZones(presets, p, played)) {
      zones.push_back(z);
      if (const int i = presets.target(z); i >= 0) {
        if (i >= instruments.items()) return std::nullopt;
        instrumentNotes[i].insert(in.begin(), in.end());
      }
    }
    keptPresets.push_back({p, std::move(zones)});
  }
  std::vector<std::pair<int, std::vector<int>>> keptInstruments;
  std::map<int, int> newIndex;
  for (const auto& [i, played] : instrumentNotes) {
    std::vector<int> zones;
    for (auto& [z, in] : keptZones(instruments, i, played)) zones.push_back(z);
    newIndex[i] = int(keptInstruments.size());
    keptInstruments.push_back({i, std::move(zones)});
  }
  const Level p = rebuild(presets, keptPresets, [&](int i) { return newIndex[i]; });
  const Level i = rebuild(instruments, keptInstruments, [](int s) { return s; });

  SoundFontCut cut;
  cut.hydraAt = at;
  cut.hydra = {'L', 'I', 'S', 'T', 0, 0, 0, 0, 'p', 'd', 't', 'a'};
  auto add = [&](const char* id, const Bytes& body) {
    char header[8];
    std::memcpy(header, id, 4);
    putU32(header + 4, std::uint32_t(body.size()));
    cut.hydra.insert(cut.hydra.end(), header, header + 8);
    cut.hydra.insert(cut.hydra.end(), body.begin(), body.end());
  };
  add("phdr", p.headers.bytes);
  add("pbag", p.bags.bytes);
  add("pmod", p.mods.bytes);
  add("pgen", p.gens.bytes);
  add("inst", i.headers.bytes);
  add("ibag", i.bags.bytes);
  add("imod", i.mods.bytes);
  add("igen", i.gens.bytes);
  add("shdr", samples);
  putU32(cut.hydra.data() + 4, std::uint32_t(cut.hydra.size() - 8));
  cut.head.assign(riff, riff + 12);
  putU32(cut.head.data() + 4, std::uint32_t(cut.size() - 8));
  return cut;
}

}  // namespace platform
