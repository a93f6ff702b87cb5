#include "tools/gen_audio/audiogen.h"

#include <fstream>
#include <stdexcept>

namespace audiogen {

std::vector<AudioFile> makeAll() {
  std::vector<AudioFile> files = makeSounds();
  for (AudioFile& tune : makeTunes()) files.push_back(std::move(tune));
  return files;
}

void writeAll(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  for (const AudioFile& file : makeAll()) {
    const std::filesystem::path path = dir / file.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

}  // namespace audiogen
