// Where the title window keeps its story box and its two links, in twips.
// The window's design puts them here, and the title picture and the story's
// pictures lay their paper band under the same places.
#pragma once

namespace frontend::title_layout {

struct Box {
  float left, top, width, height;  // twips
};

inline constexpr int kWindowWidth = 8640;  // the client area
inline constexpr int kWindowHeight = 5265;
inline constexpr Box kStoryBox{840, 3720, 6855, 1095};
inline constexpr Box kHomePageLink{840, 4800, 4935, 255};
inline constexpr Box kCreditLink{5760, 4800, 1935, 255};

// The paper the story's pictures are mounted on, red, green and blue. Where a
// picture is smaller than the window, the picture area shows this colour, so
// the paper runs on to the window's edge.
inline constexpr int kPaper[3] = {0xfb, 0xf8, 0xf1};

}  // namespace frontend::title_layout
