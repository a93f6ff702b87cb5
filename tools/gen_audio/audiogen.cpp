#include "audiogen.h"

#include <fstream>
#include <stdexcept>

namespace driftwing::audiogen {

std::vector<AudioFile> MakeAll() {
  std::vector<AudioFile> files = MakeSounds();
  for (AudioFile& tune : MakeTunes()) files.push_back(std::move(tune));
  return files;
}

void WriteAll(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  for (const AudioFile& file : MakeAll()) {
    const std::filesystem::path path = dir / file.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

}  // namespace driftwing::audiogen
