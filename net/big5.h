// Reading Big5, the code page the race's texts travel in, by table: every
// one- and two-byte character is looked up once, the first time a text
// arrives, so an arrival of any size reads in one pass. A byte or pair that
// is not Big5 reads as "?"; a lead byte with nothing after it too.
#pragma once

#include <string>
#include <string_view>

namespace net {

std::string fromBig5(std::string_view bytes);

}  // namespace net
