// Every window of the game, created once when the program starts.
#pragma once

namespace ui {
class Program;
}

namespace frontend {

// The window the program starts with.
inline constexpr const char* kFirstWindow = "Form1";

// Creates the game's windows and program-wide settings.
void addWindows(ui::Program& program);

}  // namespace frontend
