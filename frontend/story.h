// The story: one scene per click of the title screen's first button, told in
// the story box with the characters' portraits, with the five stage races at
// their scenes and the bonus game at the end.
#pragma once

#include <functional>

namespace frontend {

class TitleScreen;

// Plays the scene the program-wide story step names, if any, then `then` —
// right away, or once a stage shown by the scene has been passed.
void playScene(TitleScreen& title, std::function<void()> then);

}  // namespace frontend
