#include "frontend/story.h"

#include <string>
#include <utility>
#include <vector>

#include "frontend/settings.h"
#include "media/media.h"
#include "ui/program.h"
#include "ui/words.h"

namespace frontend {

namespace {

// A story-box line: the text before the player's name, whether the name
// follows, and the text after it.
struct Line {
  const char* before;
  bool withName;
  const char* after;
};
constexpr Line kKeep{nullptr, false, nullptr};  // the box keeps its text

struct Scene {
  int number;
  Line line;
  std::vector<std::pair<const char*, bool>> portraits;  // applied in this order
  int next;                                             // -1: as the setup screen left it
};

// The story, scene by scene: what the box says, who appears or leaves.
// clang-format off
const std::vector<Scene> kScenes = {
    {1, kKeep, {}, -1},
    {2, {ui::Words::tr("Halvard:哈哈,有前途呢^^"), false, ""}, {}, 3},
    {3, {ui::Words::tr("Mirelle:哪要看他能不能通過初次預賽了"), false, ""}, {{"Image1", true}}, 4},
    {4, {"", true, ui::Words::tr(":嗯......")}, {}, 5},
    {5, {ui::Words::tr("                          (預賽開始)"), false, ""}, {{"Image1", false}, {"Image2", false}}, 6},
    {6, kKeep, {}, 7},
    {7, {ui::Words::tr("Halvard:恭喜你通過了預賽啊~~"), false, ""}, {{"Image2", true}}, 8},
    {8, {"", true, ui::Words::tr(":嗯...多謝前輩")}, {}, 9},
    {9, {ui::Words::tr("Quellan:看來Vantor隊的新手也不錯呢"), false, ""}, {{"Image3", true}}, 10},
    {10, {ui::Words::tr("Halvard:Quellan?!對了,你們會在下場碰上的"), false, ""}, {{"Image3", true}}, 11},
    {11, {ui::Words::tr("Quellan:不錯,我很期待和"), true, ui::Words::tr("比試呢")}, {{"Image3", true}}, 12},
    {12, {"", true, ui::Words::tr(":.......(冒冷汗)")}, {{"Image3", true}}, 13},
    {13, {ui::Words::tr("Mirelle:不用太緊張呢,下次可用新車了^^"), false, ""}, {{"Image3", false}, {"Image1", true}}, 14},
    {14, {"", true, ui::Words::tr(":.......(依然緊張)")}, {}, 15},
    {15, {ui::Words::tr("                          (賽事開始)"), false, ""}, {{"Image2", false}, {"Image1", false}}, 16},
    {16, kKeep, {{"Image2", false}, {"Image1", false}}, 17},
    {17, {"Quellan:", true, ui::Words::tr("果然很有潛質 ")}, {{"Image3", true}, {"Image1", false}}, 18},
    {18, {"", true, ui::Words::tr(" (臉紅):不過始終不及前輩啊 ")}, {{"Image3", true}, {"Image1", false}}, 19},
    {19, {ui::Words::tr("                          (另一方面) "), false, ""}, {{"Image3", false}, {"Image1", false}}, 20},
    {20, {ui::Words::tr("Mirelle:Brisko,你怎麼呀? "), false, ""}, {{"Image4", false}, {"Image1", true}}, 21},
    {21, {ui::Words::tr("Brisko:下場比賽要和你隊的"), true, ui::Words::tr("較量了 ")}, {{"Image4", true}, {"Image1", true}}, 22},
    {22, {ui::Words::tr("Mirelle:哈哈,想不到我的偶像會怕一個新手呢"), false, ""}, {{"Image4", true}, {"Image1", true}}, 23},
    {23, {ui::Words::tr("Brisko:不,只是覺得他有點似以前的我罷了"), false, ""}, {{"Image4", true}, {"Image1", true}}, 24},
    {24, {ui::Words::tr("                          (比賽開始)"), false, ""}, {{"Image4", false}, {"Image1", false}, {"Image2", false}}, 25},
    {25, kKeep, {{"Image4", false}, {"Image1", false}}, 26},
    {26, {ui::Words::tr("Dorrin:我們又要再一決高下了"), false, ""}, {{"Image5", true}, {"Image1", false}}, 27},
    {27, {ui::Words::tr("Halvard:我今次會和"), true, ui::Words::tr("交換坐駕的")}, {{"Image5", true}, {"Image2", true}}, 28},
    {28, {ui::Words::tr("Dorrin:什麼?!你想放棄Ultrapex嗎?!"), false, ""}, {{"Image5", true}, {"Image2", true}}, 29},
    {29, {ui::Words::tr("Halvard:你也只用舊車吧,我要靠實力取勝"), false, ""}, {{"Image5", true}, {"Image2", true}}, 30},
    {30, {ui::Words::tr("                          (比賽開始)"), false, ""}, {{"Image5", false}, {"Image2", false}}, 31},
    {31, kKeep, {{"Image5", false}, {"Image2", false}}, 32},
    {32, {ui::Words::tr("Halvard:下場是決賽了,你繼續用我的車吧"), false, ""}, {{"Image5", false}, {"Image2", true}}, 33},
    {33, {"", true, ui::Words::tr(":前輩,哪你呢?")}, {{"Image5", false}, {"Image2", true}}, 34},
    {34, {ui::Words::tr("Mirelle:Halvard在上次弄壞了你的GPS啊"), false, ""}, {{"Image1", true}, {"Image2", true}}, 35},
    {35, {ui::Words::tr("Mirelle:何仿他今次不出賽也拿定總冠軍的了"), false, ""}, {{"Image1", true}, {"Image2", true}}, 36},
    {36, {ui::Words::tr("Halvard:一定要最快衝過終點啊"), false, ""}, {{"Image1", true}, {"Image2", true}}, 37},
    {37, {"", true, ui::Words::tr(":一定!!")}, {{"Image1", true}, {"Image2", true}}, 38},
    {38, {ui::Words::tr("                          (決賽開始)"), false, ""}, {{"Image1", false}, {"Image2", false}}, 39},
    {39, kKeep, {{"Image1", false}, {"Image2", false}}, 40},
    {40, {ui::Words::tr("Quellan:今次大賽又是Halvard勝出了"), false, ""}, {{"Image1", false}, {"Image3", true}}, 41},
    {41, {ui::Words::tr("Brisko:連第二名也是Vantor隊的人呢,"), false, ""}, {{"Image4", true}, {"Image3", true}}, 42},
    {42, {ui::Words::tr("Dorrin:真是英雄出少年"), false, ""}, {{"Image4", true}, {"Image3", false}, {"Image5", true}}, 43},
    {43, {"", true, ui::Words::tr(":嗯...你們見笑了")}, {{"Image4", true}, {"Image5", true}}, 44},
    {44, {ui::Words::tr("Halvard:我們去食飯慶祝吧"), false, ""}, {{"Image4", false}, {"Image2", true}, {"Image3", false}, {"Image5", false}}, 45},
    {45, {"", true, ui::Words::tr(":好啊~~")}, {{"Image4", false}, {"Image2", true}, {"Image3", false}, {"Image5", false}}, 46},
    {46, {"                          ~THE END~", false, ""}, {{"Image4", false}, {"Image2", false}, {"Image3", false}, {"Image5", false}}, 49},
    {49, {"                          ~THE END~", false, ""}, {{"Image4", false}, {"Image2", false}, {"Image3", false}, {"Image5", false}}, 49},
};
// clang-format on

// What a scene does besides its line and its portraits, in order.
enum class Do {
  HideText,
  ShowText,
  Setup,
  Stage,
  ScenePicture,
  Step,
  EndingMusic,
  Special,
  Bonus,
  ShowButtons
};
struct Action {
  Do what;
  int arg = 0;
};

std::vector<Action> actionsOf(int scene) {
  switch (scene) {
    case 1:
      return {{Do::Setup}};
    case 6:
      return {{Do::Stage, 1}, {Do::HideText}, {Do::ScenePicture, 2}};
    case 16:
      return {{Do::HideText}, {Do::Stage, 2}, {Do::ScenePicture, 3}};
    case 25:
      return {{Do::HideText}, {Do::Step, 26}, {Do::Stage, 3}, {Do::ScenePicture, 4}};
    case 31:
      return {{Do::HideText}, {Do::Stage, 4}, {Do::ScenePicture, 5}};
    case 39:
      return {{Do::HideText}, {Do::Stage, 5}, {Do::ScenePicture, 6}};
    case 7:
    case 17:
    case 26:
    case 32:
      return {{Do::ShowText}};
    case 40:
      return {{Do::ShowText}, {Do::EndingMusic}};
    case 46:
      return {{Do::Special}, {Do::Step, 49}, {Do::ShowButtons}};
    case 49:
      return {{Do::Special}, {Do::Bonus}, {Do::Step, 49}, {Do::ShowButtons}};
    default:
      return {};
  }
}

// What a scene may change on the title screen before its race starts.
struct TitleLook {
  bool storyBox;
  std::vector<std::pair<const char*, bool>> portraits;
};

TitleLook lookOf(ui::Window& title) {
  TitleLook look{title.el("Text1").Visible, {}};
  for (const char* image : {"Image1", "Image2", "Image3", "Image4", "Image5"})
    look.portraits.emplace_back(image, title.el(image).Visible);
  return look;
}

void restore(ui::Window& title, const TitleLook& look) {
  title.el("Text1").Visible = look.storyBox;
  for (const auto& [image, shown] : look.portraits) title.el(image).Visible = shown;
}

// How a scene ends: `done` when it has been played, `abandoned` when the
// player closed its race window instead of passing the race.
struct Ending {
  std::function<void()> done;
  std::function<void()> abandoned;
};

// Runs a scene's actions from `from` on. A stage or the setup screen is shown
// modally; the rest of the scene waits until it has closed for good.
void run(ui::Window& title, std::vector<Action> actions, std::size_t from, Ending ending) {
  ui::Program& program = title.program();
  Settings& settings = program.module<Settings>();
  for (std::size_t i = from; i < actions.size(); ++i) {
    const Action a = actions[i];
    switch (a.what) {
      case Do::HideText:
        title.el("Text1").Visible = false;
        break;
      case Do::ShowText:
        title.el("Text1").Visible = true;
        break;
      case Do::ScenePicture:
        title.el("Picture1").Picture = title.el("Picture" + std::to_string(a.arg)).Picture;
        break;
      case Do::Step:
        settings.storyStep = static_cast<std::int16_t>(a.arg);
        break;
      case Do::EndingMusic:
        program.media().setMusic("come_orl.mid");
        break;
      case Do::Special:
        title.el("Command1").Caption = "Special";
        break;
      case Do::Bonus:
        program.show(program.window("frmMain"));
        break;
      case Do::ShowButtons:
        for (const char* b : {"Command2", "Command3", "Command4"}) title.el(b).Visible = true;
        break;
      case Do::Setup:
      case Do::Stage: {
        ui::Window& shown =
            program.window(a.what == Do::Setup ? "Form6" : "frm" + std::to_string(a.arg));
        const bool race = a.what == Do::Stage;
        program.show(shown, ui::ShowMode::Modal, [&title, &shown, race, actions, i, ending] {
          // A stage closes itself only when it has been passed.
          if (race && shown.closedByPlayer())
            ending.abandoned();
          else
            run(title, actions, i + 1, ending);
        });
        return;
      }
    }
  }
  ending.done();
}

}  // namespace

void playScene(ui::Window& title, std::function<void()> then) {
  Settings& settings = title.program().module<Settings>();
  if (!settings.storyStep) {
    then();
    return;
  }
  // Later scenes are tested first, so one click plays one scene at most.
  for (auto it = kScenes.rbegin(); it != kScenes.rend(); ++it) {
    const Scene& scene = *it;
    if (*settings.storyStep != scene.number) continue;
    if (scene.line.before != nullptr) {
      const std::string& name = title.el("Text2").Text;
      title.el("Text1").Text = std::string(scene.line.before) +
                               (scene.line.withName ? name : std::string()) + scene.line.after;
    }
    const TitleLook before = lookOf(title);
    for (const auto& [image, shown] : scene.portraits) title.el(image).Visible = shown;
    const int number = scene.number, next = scene.next;
    Ending ending;
    ending.done = [&title, next, then] {
      if (next >= 0) title.program().module<Settings>().storyStep = static_cast<std::int16_t>(next);
      then();
    };
    // A race window closed before the race was passed: the story waits on
    // this scene, and the next click runs the race afresh.
    ending.abandoned = [&title, before, number, then] {
      restore(title, before);
      title.program().module<Settings>().storyStep = static_cast<std::int16_t>(number);
      then();
    };
    run(title, actionsOf(scene.number), 0, std::move(ending));
    return;
  }
  then();
}

}  // namespace frontend
