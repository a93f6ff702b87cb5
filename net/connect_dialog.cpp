#include "net/connect_dialog.h"

#include "net/race_screen.h"
#include "ui/program.h"
#include "ui/words.h"

namespace net {

ConnectDialog::ConnectDialog(ui::Program& program) : Window(program, "Form4") {
  on(ui::Event::Load, "", [this] { prepare(); });
  on(ui::Event::Click, "Option1", [this] { chooseHost(); });
  on(ui::Event::Click, "Option2", [this] { chooseJoin(); });
  on(ui::Event::Click, "Command1", [this] { confirm(); });
  on(ui::Event::Click, "Command2", [this] { this->program().unload(*this); });
}

const ui::Design& ConnectDialog::design() const {
  using namespace ui;
  static const Design d = [] {
    Design d;
    d.caption = ui::Words::tr("Driftwing 網上對戰");
    d.width = 4800;
    d.height = 3600;
    d.picture = "setup";
    d.backColor = colour::rgb(0xf1, 0xec, 0xe1);  // the paper of the picture, below it
    d.elements = {
        label("Label1", 240, 120, 4320, 435).caption(ui::Words::tr("網路連線")).font(15, true),
        label("Label2", 240, 720, 1335, 375).caption(ui::Words::tr("你的名字")).font(10.5f, true),
        textBox("Text1", 1680, 675, 2640, 375).font(10.5f).tab(0),
        frame("Frame1", 240, 1200, 4080, 840, ""),
        optionButton("Option1", 120, 300, 1800, 375, ui::Words::tr("開新遊戲"))
            .in("Frame1")
            .chosen()
            .tab(1),
        optionButton("Option2", 2040, 300, 1920, 375, ui::Words::tr("加入其他遊戲"))
            .in("Frame1")
            .tab(2),
        label("Label3", 240, 2160, 4320, 330).caption(ui::Words::tr("閣下電腦的IP:")).font(10.5f),
        textBox("Text2", 240, 2520, 4080, 375).font(10.5f).tab(3),
        button("Command1", 1080, 3060, 1215, 375, ui::Words::tr("確定")).tab(4),
        button("Command2", 2520, 3060, 1215, 375, ui::Words::tr("結束")).tab(5),
    };
    return d;
  }();
  return d;
}

RaceScreen& ConnectDialog::race() { return static_cast<RaceScreen&>(program().window("Form5")); }

void ConnectDialog::prepare() {
  race().prepareToConnect();
  el("Text2").Text = race().localAddress();
}

void ConnectDialog::chooseHost() {
  el("Label3").Caption = ui::Words::tr("閣下電腦的IP:");
  el("Text2").Text = race().localAddress();
  race().takeSeat(kHostSeat);
}

void ConnectDialog::chooseJoin() {
  el("Label3").Caption = ui::Words::tr("輸入連結主機的IP:");
  el("Text2").Text = "0.0.0.0";
  race().takeSeat(kGuestSeat);
}

void ConnectDialog::confirm() {
  const std::string name = el("Text1").Text;
  if (race().seat() == kHostSeat)
    race().host(name);
  else
    race().join(name, el("Text2").Text);
  program().hide(*this);
}

}  // namespace net
