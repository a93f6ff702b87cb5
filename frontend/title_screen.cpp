#include "frontend/title_screen.h"

#include "frontend/links.h"
#include "frontend/settings.h"
#include "frontend/story.h"
#include "frontend/title_layout.h"
#include "ui/arith.h"
#include "ui/program.h"
#include "ui/words.h"

namespace frontend {

using ui::Event;

namespace {
const std::string kTitlePad(21, ' ');
const std::string kSequencePad(26, ' ');
}  // namespace

TitleScreen::TitleScreen(ui::Program& program)
    : Window(program, "Form1"), settings_(program.module<Settings>()) {
  var("titleClicks", titleClicks);
  on(Event::Load, "", [this] { Form_Load(); });
  on(Event::Unload, "", [this] { Form_Unload(); });
  on(Event::Click, "Command1", [this] { Command1_Click(); });
  on(Event::Click, "Command2", [this] { Command2_Click(); });
  on(Event::Click, "Command3", [this] { Command3_Click(); });
  on(Event::Click, "Command4", [this] { Command4_Click(); });
  on(Event::Click, "Label1", [this] { Label1_Click(); });
  on(Event::Click, "Label2", [this] { Label2_Click(); });
}

const ui::Design& TitleScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    constexpr title_layout::Box kStory = title_layout::kStoryBox;
    constexpr title_layout::Box kHome = title_layout::kHomePageLink;
    constexpr title_layout::Box kCredit = title_layout::kCreditLink;
    Design d;
    d.caption = "Driftwing";
    d.width = title_layout::kWindowWidth;
    d.height = title_layout::kWindowHeight;
    const float buttonFont = 11.25f;
    d.elements = {
        // The story's pictures are mounted on paper, which runs on to the
        // window's edge where a picture is smaller than the window.
        pictureArea("Picture1", 0, 0, 8655, 6015)
            .picture("title")
            .back(colour::rgb(title_layout::kPaper[0], title_layout::kPaper[1],
                              title_layout::kPaper[2]))
            .tab(0),
        textBox("Text1", kStory.left, kStory.top, kStory.width, kStory.height)
            .text(kTitlePad + "Driftwing")
            .font(18)
            .multiLine()
            .tab(1),
        button("Command1", 1440, 3120, 975, 375, ui::Words::tr("按此")).font(buttonFont).tab(2),
        button("Command3", 3000, 3120, 975, 375, ui::Words::tr("對戰"))
            .font(buttonFont)
            .hidden()
            .tab(3),
        button("Command4", 4440, 3120, 1095, 375, ui::Words::tr("網上對戰"))
            .font(buttonFont)
            .hidden()
            .tab(4),
        button("Command2", 6000, 3120, 975, 375, ui::Words::tr("說明"))
            .font(buttonFont)
            .hidden()
            .tab(5),
        label("Label1", kHome.left, kHome.top, kHome.width, kHome.height)
            .caption(std::string(13, ' ') + kHomePage)
            .fore(colour::rgb(24, 64, 176)),
        label("Label2", kCredit.left, kCredit.top, kCredit.width, kCredit.height)
            .caption(std::string(14, ' ') + "By Orvel ")
            .fore(colour::rgb(24, 64, 176)),
        textBox("Text2", 7200, 240, 495, 270).text("Text2").hidden().tab(6),
        // Story scene elements: portraits and the pictures shown after each stage.
        image("Image1", 5400, 840, 1560, 2010).picture("portrait-mirelle").hidden(),
        image("Image2", 1560, 840, 1560, 2010).picture("portrait-halvard").hidden(),
        image("Image3", 5400, 960, 1560, 1935).picture("portrait-quellan").hidden(),
        image("Image4", 1560, 840, 1560, 2025).picture("portrait-brisko").hidden(),
        image("Image5", 5400, 840, 1560, 2010).picture("portrait-dorrin").hidden(),
        pictureArea("Picture2", 0, 0, 15, 15).picture("scene-1").hidden(),
        pictureArea("Picture3", 0, 0, 15, 15).picture("scene-2").hidden(),
        pictureArea("Picture4", 0, 0, 15, 15).picture("scene-3").hidden(),
        pictureArea("Picture5", 0, 0, 15, 15).picture("scene-4").hidden(),
        pictureArea("Picture6", 0, 0, 15, 15).picture("scene-5").hidden(),
    };
    return d;
  }();
  return d;
}

void TitleScreen::Form_Load() {
  setMusic("tvop.Mid");
  waveDevices_ = deviceCount();
}

void TitleScreen::Form_Unload() { program().end(); }

void TitleScreen::Command1_Click() {
  if (el("Text2").Text.empty()) el("Text2").Text = "Tarvos";
  titleClicks = ui::sat16(titleClicks + 1);
  // The scene first; the title sequence's step after it, which is after the
  // stage when the scene runs one.
  playScene(*this, [this] { titleSequence(); });
}

// The first four clicks: the title, the subtitle, the author, and the home
// page, which also reveals the other menu buttons and turns this one into
// the story button.
void TitleScreen::titleSequence() {
  ui::Element& text = el("Text1");
  switch (titleClicks) {
    case 1:
      text.Text = kSequencePad + "Driftwing";
      break;
    case 2:
      text.Text = kSequencePad + ui::Words::tr("「Zephyrun」");
      break;
    case 3:
      text.Text = kSequencePad + "By Orvel";
      break;
    case 4:
      text.Text = kHomePageShort;
      settings_.storyStep = 1;
      el("Command2").Visible = true;
      el("Command4").Visible = true;
      el("Command3").Visible = true;
      el("Command1").Caption = ui::Words::tr("故事");
      break;
    default:
      break;
  }
}

void TitleScreen::showModalIfPresent(const char* window) {
  if (ui::Window* w = program().find(window)) program().show(*w, ui::ShowMode::Modal);
}

void TitleScreen::Command2_Click() { showModalIfPresent("Form2"); }
void TitleScreen::Command3_Click() { showModalIfPresent("Form3"); }
void TitleScreen::Command4_Click() { showModalIfPresent("Form5"); }

void TitleScreen::Label1_Click() { program().shell().open(kHomePage); }
void TitleScreen::Label2_Click() { program().shell().open(std::string("mailto:") + kMailAddress); }

}  // namespace frontend
