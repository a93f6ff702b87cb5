#include "frontend/setup_screen.h"

#include <string>

#include "frontend/settings.h"
#include "ui/program.h"
#include "ui/words.h"

namespace frontend {

namespace {

struct Password {
  const char* text;  // compared exactly: no trimming, same length
  std::int16_t storyStep;
  int blanks;  // before the banner
  const char* banner;
};

// The passwords shown on the stage screens, and the bonus game's.
const Password kPasswords[] = {
    {"8264", 49, 25, "~ Skyforge ~"}, {"7318", 38, 28, "~ Stage 5~"},
    {"5091", 30, 28, "~ Stage 4~"},   {"4637", 24, 28, "~ Stage 3~"},
    {"9482", 15, 28, "~ Stage 2~"},
};

}  // namespace

SetupScreen::SetupScreen(ui::Program& program)
    : Window(program, "Form6"), settings_(program.module<Settings>()) {
  on(ui::Event::Click, "Command1", [this] { choose(kEasy, false); });
  on(ui::Event::Click, "Command2", [this] { choose(kNormal, false); });
  on(ui::Event::Click, "Command3", [this] { choose(kHard, true); });
}

const ui::Design& SetupScreen::design() const {
  using namespace ui;
  static const Design d{
      .caption = "Set up",
      .width = 4800,
      .height = 3195,
      .picture = "setup",
      .elements = {
          label("Label1", 720, 720, 1455, 495).caption("Name :").font(12, true),
          textBox("Text1", 1920, 720, 1815, 510).text("Tarvos").font(12).tab(0),
          label("Label2", 480, 1440, 1215, 495).caption("Password:").font(12, true),
          textBox("Text2", 1920, 1440, 1695, 375).font(10.5f).tab(1),
          button("Command1", 360, 2280, 1095, 375, "Easy Mode").tab(2),
          button("Command2", 1680, 2280, 1215, 375, "Normal Mode").tab(3),
          button("Command3", 3120, 2280, 1095, 375, "Hard Mode ").tab(4),
      }};
  return d;
}

// The three buttons do the same but for the difficulty (and one banner).
void SetupScreen::choose(std::int16_t difficulty, bool hardButton) {
  ui::Window& title = program().window("Form1");
  program().load(title);  // it is the story's own screen; a practice run may not have it yet

  ui::Element& name = el("Text1");
  if (name.Text.empty()) name.Text = "Tarvos";
  const std::string player = name.Text;
  settings_.storyStep = 2;
  title.el("Text1").Text = ui::Words::tr("Halvard:你就是新來的") + player + "?!";

  const std::string& typed = el("Text2").Text;
  for (const Password& p : kPasswords) {
    if (typed != p.text) continue;
    settings_.storyStep = p.storyStep;
    int blanks = p.blanks;
    if (hardButton && p.storyStep == 38) ++blanks;
    title.el("Text1").Text = std::string(static_cast<std::size_t>(blanks), ' ') + p.banner;
  }

  title.el("Command2").Visible = false;
  title.el("Command3").Visible = false;
  title.el("Command4").Visible = false;
  title.el("Image2").Visible = true;
  title.el("Command1").Caption = ui::Words::tr("按此");
  settings_.difficultyBonus = difficulty;
  title.el("Text2").Text = player;
  program().unload(*this);
}

}  // namespace frontend
