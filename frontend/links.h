// The game's home page and contact address, shown on the title screen.
#pragma once

namespace frontend {

inline constexpr const char* kHomePage = "https://driftwing.example.org";
// The home page as the title sequence shows it, without the scheme.
inline constexpr const char* kHomePageShort = "driftwing.example.org";
inline constexpr const char* kMailAddress = "hello@driftwing.example.org";

}  // namespace frontend
