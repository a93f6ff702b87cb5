// Reading whole numbers from command lines and scripts: all of the text must
// be the number.
#pragma once

#include <charconv>
#include <string_view>

namespace ui {

inline bool parseWhole(std::string_view s, long long& out) {
  if (s.empty()) return false;
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

}  // namespace ui
