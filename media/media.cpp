#include "media/media.h"

#include <algorithm>

namespace media {

std::string soundPath(const std::string& folder, const std::string& name) {
  std::string rel = name;
  std::replace(rel.begin(), rel.end(), '\\', '/');
  if (!rel.empty() && rel.front() == '/') return folder + rel;
  return folder + "/" + rel;
}

}  // namespace media
