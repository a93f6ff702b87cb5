// The story: one scene per click of the title screen's first button, told in
// the story box with the characters' portraits, with the five stage races at
// their scenes and the bonus game at the end.
#pragma once

#include <functional>

#include "ui/window.h"

namespace frontend {

// Plays the scene the program-wide story step names, if any, then `then` —
// right away, or once a stage shown by the scene has been passed. The scene
// is told on `title`, the window that owns the story: its story box `Text1`,
// the portraits `Image1` to `Image5`, the scene picture `Picture1` (with the
// pictures `Picture2`... it takes from), the player's name in `Text2` and the
// buttons `Command1` to `Command4`.
void playScene(ui::Window& title, std::function<void()> then);

}  // namespace frontend
