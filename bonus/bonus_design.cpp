// The shooter's window as the player sees it before the first start.
#include "bonus/bonus_screen.h"
#include "bonus/field.h"
#include "ui/words.h"

namespace bonus {

const ui::Design& BonusScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    const std::int32_t white = colour::kWhite, gold = colour::rgb(255, 214, 90);
    // The hit points, the score and the password: boxes the player reads and
    // never types in, drawn as the game's own read-outs.
    auto readout = [](const char* name, float left, float top, float width, const char* text,
                      int tab) {
      return textBox(name, left, top, width, 375)
          .text(text)
          .font(10)
          .locked()
          .unfocusable()
          .skinned(Skin::Readout)
          .tab(tab);
    };
    // The sky is the field's picture, not the window's.
    Design d{
        .caption = ui::Words::tr("Skyforge射擊版-By Orvel"),
        .width = 9600,
        .height = 6825,
        .picture = "",
        .backColor = colour::kBlack,
        .elements = {
            pictureArea("picBK", 0, 0, 9615, 7740)
                .picture("bonus-bg")
                .bordered()
                .scaledTo(field::kScaleHeight),
            image("imgDead", 0, 0, 600, 600).picture("bonus-dead"),
            image("imgWall", field::kWallHome[0][0], field::kWallHome[0][1], 1485, 1395, 0)
                .picture("bonus-wall"),
            image("imgWall", field::kWallHome[1][0], field::kWallHome[1][1], 1485, 1395, 1)
                .picture("bonus-wall"),
            image("imgWall", field::kWallHome[2][0], field::kWallHome[2][1], 1485, 1395, 2)
                .picture("bonus-wall"),
            image("Image1", field::kWallHome[0][0], field::kWallHome[0][1], 645, 420)
                .picture("bonus-wall-missile")
                .hidden(),
            image("Image2", field::kWallHome[1][0], field::kWallHome[1][1], 645, 420)
                .picture("bonus-wall-missile")
                .hidden(),
            image("Image3", field::kWallHome[2][0], field::kWallHome[2][1], 645, 420)
                .picture("bonus-wall-missile")
                .hidden(),
            pictureArea("Picture1", 6840, 4440, 735, 735)
                .picture("bonus-aimed-missile")
                .seeThrough()
                .hidden(),
            pictureArea("Picture2", 7800, 480, 1695, 1335)
                .picture("bonus-boss")
                .seeThrough()
                .hidden(),
            pictureArea("Picture3", 8280, 240, 495, 375)
                .picture("bonus-boss-shot")
                .seeThrough()
                .hidden(),
            image("imgFireL", 0, 0, 1080, 570, 0).picture("bonus-shot-1").hidden(),
            image("imgFireR", 0, 0, 1080, 570, 0).picture("bonus-shot-2").hidden(),
            image("imgLeft", 0, 1440, 1215, 1110, 0).picture("bonus-ship-1"),
            image("imgRight", 0, 4320, 1260, 1170, 0).picture("bonus-ship-2"),
            label("Label2", 1320, 285, 1320, 375).caption("Player's HP").fore(white).font(10, true),
            readout("Text1", 2640, 240, 1575, "6", 2),
            button("Command1", 4320, 240, 495, 375, "1P").font(10, true).tab(0),
            button("cmdStart", 4920, 240, 495, 375, "2P").font(10, true).tab(1),
            label("Label3", 5445, 285, 1035, 375).caption("Enemy's HP").fore(white).font(9, true),
            readout("Text2", 6480, 240, 1335, "31", 3),
            label("Label4", 7200, 5205, 840, 375).caption("Score:").fore(white).font(10, true),
            readout("Text3", 8040, 5160, 1095, "0", 4),
            label("Label5", 6600, 4725, 1440, 375).caption("Password:").fore(white).font(10, true),
            readout("Text4", 8040, 4680, 1095, "8264", 5),
            label("Label1", 3000, 2640, 3735, 255)
                .caption("Game Over")
                .fore(gold)
                .font(9, true)
                .align(Align::Center)
                .skinned(Skin::Banner),
            label("Level1", 3000, 2520, 3615, 375)
                .caption("Level  Clear please use mouse click here")
                .fore(gold)
                .font(9, true)
                .align(Align::Center)
                .skinned(Skin::Banner)
                .hidden(),
            timer("tmrMove", 25, false),
        }};
    return d;
  }();
  return d;
}

}  // namespace bonus
