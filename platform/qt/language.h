// The player's language on the desktop. The game's texts are written in
// Traditional Chinese and stay so inside the game (and in its traces); with
// another language chosen, the desktop shows each text translated as it
// draws it, through Qt's translation files (translations/driftwing_*.ts).
#pragma once

#include <QString>
#include <string>

namespace platform::qt {

// Chooses the language the windows are shown in: "zh" (as designed),
// "en", or "auto" for the desktop's own language when it is one of those.
// Returns false, and keeps the designed texts, for a language the game does
// not have.
bool setLanguage(const QString& code);
// The language in use: "zh" or "en".
QString language();

// A text of the game as the player sees it. A line that is spliced from
// translated pieces around a name (the story's lines, the setup's greeting)
// is translated piece by piece; a name, a number or the player's own typing
// passes unchanged.
QString shown(const std::string& text);

}  // namespace platform::qt
