#include "frontend/help_screen.h"

#include "ui/words.h"

namespace frontend {

const ui::Design& HelpScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    const auto purple = colour::rgb(192, 0, 192);
    const float heading = 13.5f, body = 10.5f;
    return Design{
        .caption = "Help",
        .width = 8145,
        .height = 5190,
        .picture = "help",
        .elements = {
            label("Label1", 120, 120, 2655, 855)
                .caption(ui::Words::tr("故事模式:"))
                .fore(purple)
                .font(heading, true),
            label("Label2", 240, 600, 7815, 855)
                .caption(
                    ui::Words::tr("以左右鍵移動,以上鍵加速,以下鍵減速,按P暫停遊戲,按Shift結束遊戲"))
                .font(body),
            label("Label3", 120, 1440, 2655, 855)
                .caption(ui::Words::tr("對戰模式:"))
                .fore(purple)
                .font(heading, true),
            label("Label4", 720, 1920, 8055, 855)
                .caption(ui::Words::tr(
                    "右方:以左右鍵移動,以上鍵加速,以下鍵減速,       Num1放飛彈,Num2用Turbo"))
                .fore(colour::kBlue)
                .font(body),
            label("Label5", -120, 2760, 8055, 855).fore(colour::kYellow).font(body),
            label("Label6", 720, 2760, 6975, 855)
                .caption(
                    ui::Words::tr("左方:以A,D鍵移動,以W鍵加速,以S鍵減速, G放飛彈,H用Turbo\r\n"))
                .fore(colour::kRed)
                .font(body),
            label("Label7", 0, 4200, 8055, 855)
                .caption(ui::Words::tr(
                    "(左右移動時,車速會減慢,不停按鍵加速時,可到達極速境界,但速度太快時便會OverHeat,"
                    "勝負關鍵在於能否以適當速度不停按加速鍵以保持極速但又不至OverHeat)"))
                .fore(colour::kWhite)
                .font(body),
        }};
  }();
  return d;
}

}  // namespace frontend
