#include "net/race_screen.h"

#include <cmath>
#include <string>
#include <utility>

#include "net/net_state.h"
#include "net/protocol.h"
#include "ui/arith.h"
#include "ui/keys.h"
#include "ui/program.h"
#include "ui/words.h"

namespace net {

using ui::Element;
using ui::Event;
using ui::sat16;

namespace {
constexpr const char* kConnected = ui::Words::tr("已連線");
constexpr const char* kNotConnected = ui::Words::tr("尚未連線");
constexpr std::int32_t kRed = ui::colour::kRed;
constexpr std::int32_t kYellow = ui::colour::kYellow;

// A line from the other side is shown cut to what a label can hold: a peer
// that sends megabytes cannot stall the screen.
std::string shown(const std::string& text) {
  constexpr std::size_t kMost = 160;  // characters
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars++ == kMost) return text.substr(0, i);
  }
  return text;
}

bool crash(const Element& a, const Element& b) {
  return std::fabs(a.Top - b.Top) < 1000 && std::fabs(a.Left - b.Left) < 1000;
}
}  // namespace

RaceScreen::RaceScreen(ui::Program& program)
    : Window(program, "Form5"), s_(program.module<NetState>()) {
  on(Event::Load, "", [this] { Form_Load(); });
  on(Event::Unload, "", [this] { Form_Unload(); });
  // One handler for the window sees every key once, whichever area has the focus.
  onKey(Event::KeyDown, "", [this](int k) { Form_KeyDown(k); });
  onIndexed(Event::Click, "Com1", [this](int i) { Com1_Click(i); });
  on(Event::Click, "Label4", [this] { el("Label4").Visible = false; });
  onArgs(Event::ConnectionRequest, "Winsock1",
         [this](const ui::EventArgs& a) { Winsock1_ConnectionRequest(a.code); });
  on(Event::Connect, "Winsock1", [this] { Winsock1_Connect(); });
  onArgs(Event::DataArrival, "Winsock1", [this](const ui::EventArgs& a) { NetReceive(a.code); });
  on(Event::Timer, "Timer1", [this] { Timer1_Timer(); });
  on(Event::Timer, "Timer2", [this] { Timer2_Timer(); });
  on(Event::Timer, "Timer3", [this] { Timer3_Timer(); });
  on(Event::Timer, "Timer4", [this] { Timer4_Timer(); });
  on(Event::Timer, "Timer5", [this] { Timer5_Timer(); });
  on(Event::Timer, "Timer6", [this] { Timer6_Timer(); });
  on(Event::Timer, "Timer7", [this] { Timer7_Timer(); });
}

RaceScreen::~RaceScreen() = default;

const ui::Design& RaceScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    const std::int32_t white = colour::kWhite, yellow = colour::kYellow;
    Design d;
    d.caption = ui::Words::tr("Driftwing 網上對戰");
    d.width = 8610;
    d.height = 5235;
    d.picture = "net-bg";
    d.backColor = colour::rgb(16, 18, 28);
    auto& e = d.elements;
    e.push_back(pictureArea("Picture1", 120, 0, 3735, 5175).picture("battle-road").tab(0));
    const char* track = "Picture1";
    e.push_back(image("Image6", -120, -99999, 3975, 765, 0).in(track).picture("battle-finish"));
    e.push_back(image("Image1", 0, -1400, 180, 1065, 0).in(track).picture("battle-lane"));
    e.push_back(image("Image1", 3555, 2400, 180, 1065, 3).in(track).picture("battle-lane"));
    e.push_back(image("c1", 480, 0, 915, 1245, 0).in(track).picture("battle-rival-1"));
    e.push_back(image("c2", 2280, 0, 915, 1245, 0).in(track).picture("battle-rival-2"));
    e.push_back(
        image("missile1", 840, -1000, 615, 1065, 0).in(track).picture("battle-missile-red"));
    e.push_back(
        image("missile2", 1560, -1000, 615, 1065, 0).in(track).picture("battle-missile-blue"));
    e.push_back(image("car2", 2640, 2040, 915, 1245, 0).in(track).picture("battle-car-blue"));
    e.push_back(image("car1", 120, 2040, 915, 1245, 0).in(track).picture("battle-car-red"));
    e.push_back(image("blue1", 120, 0, 435, 510).in(track).picture("marker-blue-ahead").hidden());
    e.push_back(
        image("blue2", 240, 4600, 435, 510).in(track).picture("marker-blue-behind").hidden());
    e.push_back(label("Label3", 1080, 1800, 1575, 735, 0)
                    .in(track)
                    .fore(yellow)
                    .font(27, true)
                    .align(Align::Center));
    e.push_back(label("Label1", 480, 600, 2775, 1000, 5)
                    .in(track)
                    .caption("You Win !")
                    .fore(colour::kRed)
                    .font(24, true)
                    .align(Align::Center)
                    .hidden());
    e.push_back(image("gold", 4200, 600, 345, 510).picture("battle-car-gold").hidden());
    // The panel on the right: status, names, speeds, chat and buttons.
    // The dashboard is the window's own background, drawn through the areas.
    e.push_back(pictureArea("Picture2", 4080, 0, 4410, 3135).seeThrough().tab(1));
    e.push_back(label("Label2", 120, 60, 4170, 330, 0)
                    .in("Picture2")
                    .caption(kNotConnected)
                    .fore(white)
                    .font(10.5f, true));
    e.push_back(label("Label1", 120, 420, 2040, 330, 1)
                    .in("Picture2")
                    .fore(colour::rgb(255, 120, 120))
                    .font(10.5f, true));
    e.push_back(label("Label1", 2220, 420, 2040, 330, 3)
                    .in("Picture2")
                    .fore(colour::rgb(120, 170, 255))
                    .font(10.5f, true));
    e.push_back(label("Label9", 120, 840, 2040, 300, 0)
                    .in("Picture2")
                    .caption("My speed")
                    .fore(white)
                    .font(9));
    e.push_back(label("Label9", 2220, 840, 2040, 300, 1)
                    .in("Picture2")
                    .caption("Their speed")
                    .fore(white)
                    .font(9));
    e.push_back(label("Label2", 120, 1110, 2040, 450, 2)
                    .in("Picture2")
                    .caption("0")
                    .fore(yellow)
                    .font(15, true));
    e.push_back(label("Label2", 2220, 1110, 2040, 450, 3)
                    .in("Picture2")
                    .caption("0")
                    .fore(yellow)
                    .font(15, true));
    e.push_back(
        label("Label8", 120, 1620, 4170, 360).in("Picture2").fore(colour::kRed).font(12, true));
    e.push_back(label("Label9", 120, 2040, 1320, 300, 2)
                    .in("Picture2")
                    .caption("Turbo")
                    .fore(white)
                    .font(9));
    e.push_back(label("Label2", 120, 2340, 1320, 390, 7)
                    .in("Picture2")
                    .caption("200")
                    .fore(yellow)
                    .font(12, true));
    e.push_back(label("Label2", 1560, 2340, 1320, 390, 8)
                    .in("Picture2")
                    .caption("200")
                    .fore(yellow)
                    .font(12, true));
    e.push_back(label("Label9", 3000, 2040, 1320, 300, 3)
                    .in("Picture2")
                    .caption("Time")
                    .fore(white)
                    .font(9));
    e.push_back(label("Label2", 3000, 2340, 1320, 390, 5)
                    .in("Picture2")
                    .caption("0")
                    .fore(yellow)
                    .font(12, true));
    e.push_back(comboBox("Combo1", 4200, 3240, 2415, 330).font(9).tab(2));
    e.push_back(button("Com1", 6720, 3240, 855, 330, ui::Words::tr("對話"), 0).font(9).tab(3));
    e.push_back(button("Com1", 7635, 3240, 855, 330, ui::Words::tr("清除"), 1).font(9).tab(4));
    e.push_back(label("Label1", 4200, 3630, 4290, 300, 0).fore(colour::rgb(120, 170, 255)).font(9));
    e.push_back(label("Label3", 4200, 3930, 4290, 300, 1).fore(colour::rgb(255, 120, 120)).font(9));
    e.push_back(button("Com1", 4200, 4350, 1335, 375, ui::Words::tr("重新開始"), 2).font(9).tab(5));
    e.push_back(button("Com1", 5640, 4350, 1335, 375, ui::Words::tr("連線"), 3).font(9).tab(6));
    e.push_back(button("Com1", 7080, 4350, 1335, 375, ui::Words::tr("離開遊戲"), 4).font(9).tab(7));
    e.push_back(pictureArea("Picture3", 4080, 4800, 4410, 375).seeThrough().tab(8));
    e.push_back(label("Label5", 60, 60, 4290, 300)
                    .in("Picture3")
                    .caption(ui::Words::tr("A,D鍵移動 W鍵加速 S鍵減速 G放飛彈 H用Turbo"))
                    .fore(white)
                    .font(9));
    e.push_back(label("Label4", 4200, 2880, 4290, 300)
                    .caption("Use mouse double click here")
                    .fore(colour::rgb(200, 200, 200))
                    .font(8.25f));
    e.push_back(ui::socket("Winsock1"));
    e.push_back(ui::socket("Winsock2"));
    e.push_back(timer("Timer1", 25, false));
    e.push_back(timer("Timer2", 1000, false));
    e.push_back(timer("Timer3", 20, false));
    e.push_back(timer("Timer4", 30, true));
    e.push_back(timer("Timer5", 30, false));
    e.push_back(timer("Timer6", 15, true));
    e.push_back(timer("Timer7", 49, true));
    return d;
  }();
  return d;
}

std::string RaceScreen::backdrop() const {
  // This player's side is known from the moment they host or join until they
  // press connect to start again: then the status reads "not connected".
  for (const Element& e : elements()) {
    if (e.name == "Label2" && e.index == 0 && e.Caption != kNotConnected)
      return s_.netRole == 2 ? "net-bg-guest" : "net-bg-host";
  }
  return design().picture;
}

Socket& RaceScreen::socket() {
  if (!socket_) {
    socket_ = s_.makeSocket();
    socket_->setEvents(this);
  }
  return *socket_;
}

void RaceScreen::NetSend(const std::string& text) {
  program().driver().netSent(text);
  socket().sendData(toWire(text));
}

void RaceScreen::send(const char* code, int times) {
  for (int i = 0; i < times; ++i) NetSend(code);
}

bool RaceScreen::isConnected() { return loaded() && el("Label2", 0).Caption == kConnected; }

void RaceScreen::EnableNetButtons(bool on) {
  el("Com1", 0).setEnabled(on);
  el("Com1", 2).setEnabled(on);
}

bool RaceScreen::resultShown() { return el("Label1", 5).Visible; }

// ---- socket events, delivered as the window's own ----------------------------------

void RaceScreen::connectionRequest(int requestId) {
  if (loaded())
    program().socketEvent(*this, el("Winsock1"), Event::ConnectionRequest, "connectionrequest",
                          requestId);
}

void RaceScreen::connected() {
  if (loaded()) program().socketEvent(*this, el("Winsock1"), Event::Connect, "connect", -1);
}

// What arrived is read at once, so the event carries the text it brought.
void RaceScreen::dataArrival(int bytesTotal) {
  arrived_ += socket().getData();
  if (!loaded()) return;
  const std::string text = fromWire(arrived_);
  program().socketEvent(*this, el("Winsock1"), Event::DataArrival, "data", bytesTotal, &text,
                        bytesTotal);
}

void RaceScreen::Winsock1_ConnectionRequest(int requestId) {
  // Accepting takes this request in place of any connection there was.
  socket().accept(requestId);
  el("Label2", 0).Caption = kConnected;
  EnableNetButtons(true);
}

void RaceScreen::Winsock1_Connect() {
  el("Label2", 0).Caption = kConnected;
  NetSend("2" + el("Label1", 3).Caption);
  EnableNetButtons(true);
}

// ---- load, close, buttons, keys ---------------------------------------------------------

void RaceScreen::Form_Load() {
  setMusic("2.mid");
  el("Picture1").setEnabled(true);
  for (const char* t : {"Timer3", "Timer1", "Timer2", "Timer5"}) el(t).setEnabled(false);
  s_.countdown = 6;
  s_.mySpeed = s_.peerSpeed = s_.c1Speed = s_.c2Speed = 0;
  s_.myDistance = s_.peerDistance = s_.raceTicks = 0;
  s_.myTurbo = s_.peerTurbo = 200;
}

void RaceScreen::Form_Unload() {
  if (isConnected()) {
    NetSend("4");
    program().processPendingEvents();
  }
  socket().close();
}

void RaceScreen::Com1_Click(int index) {
  switch (index) {
    case 0:  // talk
      el("Label3", 1).Caption = el("Combo1").Text;
      NetSend("5" + el("Combo1").Text);
      break;
    case 1:  // clear
      el("Combo1").Text.clear();
      break;
    case 2:  // restart: a fresh screen, not connected
      NetSend("3");
      program().unload(*this);
      program().show(*this, ui::ShowMode::Modal);
      break;
    case 3:  // connect
      if (isConnected()) {
        NetSend("4");
        program().processPendingEvents();
        el("Com1", 3).Visible = false;
      }
      socket().close();
      el("Label2", 0).Caption = kNotConnected;
      program().show(program().window("Form4"), ui::ShowMode::Modal);
      break;
    case 4:  // leave
      if (isConnected()) {
        NetSend("4");
        program().processPendingEvents();
      }
      socket().close();
      program().unload(*this);
      break;
    default:
      break;
  }
}

// Sideways by 100 when level or behind, by 50 when ahead.
void RaceScreen::steer(Element& car, const Element& other, float direction) {
  if (car.Top >= other.Top) car.Left += 100 * direction;
  if (car.Top < other.Top) car.Left += 50 * direction;
}

void RaceScreen::Form_KeyDown(int key) {
  using namespace ui::vk;
  Element &car = el("car1", 0), &other = el("car2", 0);
  switch (key) {
    case letter('H'):
      if (s_.myTurbo > 0) {
        s_.mySpeed = 560;
        s_.myTurbo = sat16(s_.myTurbo - 1);
      }
      NetSend("a");
      break;
    case letter('W'):
      s_.mySpeed = sat16(s_.mySpeed + 50);
      NetSend("b");
      break;
    case letter('A'):
      steer(car, other, -1);
      NetSend("c");
      break;
    case letter('D'):
      steer(car, other, 1);
      NetSend("d");
      break;
    case letter('S'):
      s_.mySpeed = sat16(s_.mySpeed - 100);
      NetSend("e");
      break;
    case letter('G'):
      el("missile1", 0).Top = car.Top;
      el("missile1", 0).Left = car.Left;
      playWave("\\Shoot2.wav");
      NetSend("f");
      break;
    default:
      break;
  }
}

// ---- receiving ----------------------------------------------------------------------------

// Reads everything waiting and acts on every message in it.
void RaceScreen::NetReceive(int /*bytesTotal*/) {
  const std::string text = fromWire(std::exchange(arrived_, std::string()));
  for (const std::string& message : splitArrival(text)) {
    if (!loaded()) return;  // a "4" closed the screen
    act(message);
  }
}

void RaceScreen::stopRace() {
  for (const char* t : {"Timer1", "Timer3", "Timer4", "Timer5", "Timer2"}) el(t).setEnabled(false);
}

void RaceScreen::act(const std::string& m) {
  if (m.empty()) return;
  Element &car = el("car1", 0), &other = el("car2", 0);
  const char code = m[0];
  const std::string payload = shown(m.substr(1));
  if (code == '5') {
    el("Label1", 0).Caption = payload;
  } else if (code == '2') {
    if (s_.netRole != 1) {
      el("Label1", 1).Caption = payload;
    } else {
      el("Label1", 3).Caption = payload;
      NetSend("2" + el("Label1", 1).Caption);
    }
    el("Timer2").setEnabled(true);
  } else if (code == 'w') {
    if (resultShown()) return;
    if (el("Timer5").enabled()) send(">", 8);
    s_.myDistance = -10000;
    el("Label1", 5).Caption = "You loss!";
    el("Label1", 5).Visible = true;
    stopRace();
    el("blue2").Visible = false;
    if (car.Top < other.Top) {
      other.Top = -2000;
      el("blue1").Visible = true;
    }
  } else if (code == '>') {
    if (resultShown()) return;
    el("Label1", 5).Visible = true;
    if (el("Timer5").enabled()) send("w", 9);
    el("Image6", 0).Top = car.Top;
    el("blue1").Visible = false;
    if (car.Top > other.Top) {
      other.Top = 6000;
      el("blue2").Visible = true;
    }
    stopRace();
  } else if (auto speed = speedOfCode(code)) {
    s_.peerSpeed = *speed;
  } else if (auto left = leftOfCode(code)) {
    other.Left = *left;
  } else if (code == 'a') {
    if (s_.peerTurbo > 0) {
      s_.peerSpeed = 560;
      s_.peerTurbo = sat16(s_.peerTurbo - 1);
    }
  } else if (code == 'b') {
    s_.peerSpeed = sat16(s_.peerSpeed + 50);
  } else if (code == 'c' || code == 'd') {
    steer(other, car, code == 'c' ? -1 : 1);
  } else if (code == 'f') {
    el("missile2", 0).Top = other.Top;
    el("missile2", 0).Left = other.Left;
    playWave("\\Shoot2.wav");
  } else if (code == 'e') {
    s_.peerSpeed = sat16(s_.peerSpeed - 100);
  } else if (code == '7') {
    s_.mySpeed = 0;
  } else if (code == '9') {
    if (car.Top > other.Top) {
      other.Top = car.Top;
      NetSend("9");
    }
  } else if (code == '8') {
    if (car.Top < other.Top) {
      other.Top = car.Top;
      NetSend("8");
    }
  } else if (code == '1') {
    other.Top = -520;
  } else if (code == '4') {
    EnableNetButtons(false);
    program().unload(*this);
    socket().close();
  } else if (code == '6') {
    other.Top = 3580;
  }
}

// ---- the race tick -------------------------------------------------------------------------

namespace {
// 400 holds within 10; 350 down to 0 within 25; above 425 nothing snaps.
std::int16_t snap(std::int16_t speed) {
  if (std::abs(speed - 400) < 10) return 400;
  for (int level = 350; level >= 0; level -= 50)
    if (std::abs(speed - level) < 25) return static_cast<std::int16_t>(level);
  return speed;
}
}  // namespace

void RaceScreen::Timer1_Timer() {
  Element &car = el("car1", 0), &other = el("car2", 0);
  // 1. The name that brings the gold car and endless turbo.
  if (el("Label1", 1).Caption == "1P : Kelmot") {
    (s_.netRole == 1 ? car : other).Picture = el("gold").Picture;
    (s_.netRole == 1 ? s_.myTurbo : s_.peerTurbo) = 999;
  }
  if (el("Label1", 3).Caption == "2P : Kelmot") {
    (s_.netRole == 2 ? car : other).Picture = el("gold").Picture;
    (s_.netRole == 2 ? s_.myTurbo : s_.peerTurbo) = 999;
  }
  el("Com1", 0).setEnabled(false);
  s_.peerSpeed = snap(s_.peerSpeed);
  s_.mySpeed = snap(s_.mySpeed);
  el("Label2", 5).Caption = std::to_string(s_.raceTicks);
  if (car.Top < other.Top) send("8", 4);
  if (std::fabs(other.Top - 4600) < 500) NetSend("1");
  if (s_.peerSpeed < 11) NetSend("7");
  if (std::fabs(other.Top - 500) < 500) NetSend("6");
  if (el("Com1", 3).Visible) el("Com1", 3).Visible = false;
  // 8. The finish line shows to the leader, and to both once decided.
  if (!resultShown() && car.Top > other.Top) el("Image6", 0).Visible = false;
  if (car.Top < other.Top) el("Image6", 0).Visible = true;
  el("Label2", 7).Caption = std::to_string(s_.myTurbo);
  el("Label2", 8).Caption = std::to_string(s_.peerTurbo);
  // 10-11. Computer cars: c1 chases the host's car, c2 the guest's.
  Element &c1 = el("c1", 0), &c2 = el("c2", 0);
  c1.Top += static_cast<float>(s_.mySpeed - s_.c1Speed);
  c2.Top += static_cast<float>(s_.mySpeed - s_.c2Speed);
  if (s_.c1Speed < 390) s_.c1Speed = sat16(s_.c1Speed + 10);
  if (s_.c2Speed < 375) s_.c2Speed = sat16(s_.c2Speed + 25);
  const Element& hostCar = s_.netRole == 2 ? other : car;
  const Element& guestCar = s_.netRole == 2 ? car : other;
  if (hostCar.Left < c1.Left) c1.Left -= 10;
  if (hostCar.Left > c1.Left) c1.Left += 10;
  if (guestCar.Left < c2.Left) c2.Left -= 10;
  if (guestCar.Left > c2.Left) c2.Left += 10;
  // 12. Markers for the other car out of sight.
  if (other.Top < -1000) {
    el("blue1").Visible = true;
    el("blue2").Visible = false;
  }
  if (other.Top > 5200) {
    el("blue2").Visible = true;
    el("blue1").Visible = false;
  }
  if (other.Top > -1000 && other.Top < 5200) el("blue1").Visible = el("blue2").Visible = false;
  el("blue1").Left = el("blue2").Left = other.Left;
  el("Label2", 2).ForeColor = s_.mySpeed > 400 ? kRed : kYellow;
  el("Label2", 3).ForeColor = s_.peerSpeed > 400 ? kRed : kYellow;
  s_.raceTicks = sat16(s_.raceTicks + 1);
  for (Element* c : {&car, &other}) {
    if (c->Left > 2800) c->Left = 2800;
    if (c->Left < 0) c->Left = 0;
  }
  // 16. Top speed, overheat and the slow fall back to 400.
  if (s_.mySpeed > 90 && s_.mySpeed < 401) el("Label8").Caption = "";
  if (s_.mySpeed > 400) el("Label8").Caption = ui::Words::tr("極速 !!");
  if (s_.peerSpeed > 560) s_.peerSpeed = 0;
  if (s_.mySpeed > 560) {
    s_.mySpeed = 0;
    NetSend("k");
    el("Label8").Caption = "OverHeat !!";
  }
  if (s_.peerSpeed > 400) s_.peerSpeed = sat16(s_.peerSpeed - 10);
  if (s_.peerSpeed < 0) s_.peerSpeed = 0;
  if (s_.mySpeed > 400) s_.mySpeed = sat16(s_.mySpeed - 10);
  if (s_.mySpeed < 0) {
    s_.mySpeed = 0;
    NetSend("k");
  }
  s_.myDistance = sat16(s_.myDistance + s_.mySpeed / 10);
  s_.peerDistance = sat16(s_.peerDistance + s_.peerSpeed / 10);
  el("Label2", 2).Caption = std::to_string(s_.mySpeed);
  el("Label2", 3).Caption = std::to_string(s_.peerSpeed);
  other.Top += static_cast<float>(s_.mySpeed - s_.peerSpeed);
  el("missile1", 0).Top -= 1000;
  el("missile2", 0).Top -= 1000;
  // 21. Collisions.
  Element &m1 = el("missile1", 0), &m2 = el("missile2", 0);
  if (crash(c1, car)) {
    s_.mySpeed = 0;
    s_.c1Speed = 50;
    NetSend("k");
    playWave("\\c9.wav");
  }
  if (crash(c2, car)) {
    s_.mySpeed = 0;
    s_.c2Speed = 50;
    NetSend("k");
    playWave("\\c9.wav");
  }
  for (Element* m : {&m1, &m2}) {
    if (crash(c2, *m)) {
      s_.c2Speed = 0;
      playWave("\\c9.wav");
    }
    if (crash(c1, *m)) {
      playWave("\\c9.wav");
      s_.c1Speed = 0;
    }
  }
  if (crash(other, car)) {
    s_.mySpeed = s_.peerSpeed = 0;
    NetSend("7");
    NetSend("k");
  }
  if (crash(other, m1)) {
    playWave("\\c9.wav");
    s_.peerSpeed = 0;
    NetSend("7");
  }
  if (crash(car, m2)) {
    playWave("\\c9.wav");
    s_.mySpeed = 0;
    NetSend("k");
  }
  // 22. The finish line comes slowly from far ahead, then with the road.
  Element& line = el("Image6", 0);
  if (line.Top > -1400) line.Top += s_.mySpeed;
  if (line.Top < -1400) line.Top += static_cast<float>(s_.mySpeed / 10);
  // 23. The result, decided here on this screen.
  if (!resultShown()) {
    if (other.Top < line.Top && other.Top < car.Top) {
      send(">", 14);
      s_.myDistance = -10000;
      el("Label1", 5).Caption = "You loss!";
      el("Label1", 5).Visible = true;
      stopRace();
      el("blue2").Visible = false;
    } else if (car.Top < line.Top && car.Top < other.Top) {
      el("Label1", 5).Visible = true;
      send("w", 12);
      line.Top = car.Top;
      el("blue1").Visible = false;
      stopRace();
    }
  }
  for (int i : {0, 3}) {
    Element& mark = el("Image1", i);
    if (mark.Top > 5500) mark.Top = -1400;
    mark.Top += s_.mySpeed;
  }
}

// 5, 4, 3, 2, 1, "Go", and the race a second later.
void RaceScreen::Timer2_Timer() {
  s_.countdown = sat16(s_.countdown - 1);
  el("Label3", 0).Caption = std::to_string(s_.countdown);
  if (s_.countdown > 0) playWave("\\1.wav");
  if (s_.countdown == 0) {
    playWave("\\Ding.wav");
    el("Label3", 0).Caption = "Go";
  }
  if (s_.countdown == -1) {
    s_.mySpeed = s_.peerSpeed = s_.c1Speed = s_.c2Speed = 300;
    for (const char* t : {"Timer1", "Timer3", "Timer5"}) el(t).setEnabled(true);
    el("Label3", 0).Caption = "";
    el("Timer2").setEnabled(false);
  }
}

void RaceScreen::Timer3_Timer() {
  for (const std::string& m : speedBroadcast(s_.mySpeed)) NetSend(m);
}

void RaceScreen::Timer4_Timer() {
  Element &car = el("car1", 0), &other = el("car2", 0);
  if (car.Top <= el("Image6", 0).Top && car.Top < other.Top) {
    send("w", 3);
    el("blue1").Visible = false;
    el("Image6", 0).Top = car.Top;
  }
}

void RaceScreen::Timer5_Timer() {
  for (const std::string& m : positionBroadcast(el("car1", 0).Left)) NetSend(m);
  const float mine = el("car1", 0).Top, theirs = el("car2", 0).Top;
  if (!resultShown() && mine < theirs) NetSend("8");
  if (!resultShown() && mine > theirs) NetSend("9");
}

void RaceScreen::Timer6_Timer() {
  const float mine = el("car1", 0).Top, theirs = el("car2", 0).Top;
  if (!resultShown()) {
    if (mine < theirs) NetSend("8");
    if (mine > theirs) NetSend("9");
  }
  if (!el("Timer1").enabled()) el("Com1", 0).setEnabled(true);
  if (!resultShown()) return;
  Element& line = el("Image6", 0);
  if (mine < theirs) line.Top = mine;
  line.Visible = true;
  // After the race the finish line lies under the winner's car on both screens.
  if (el("Label1", 5).Caption == "You Win !") line.Top = mine;
  if (el("Label1", 5).Caption == "You loss!") line.Top = theirs;
}

void RaceScreen::Timer7_Timer() {
  if (!resultShown()) return;
  const float mine = el("car1", 0).Top, theirs = el("car2", 0).Top;
  if (mine < theirs) NetSend("w");
  if (mine > theirs) NetSend(">");
}

}  // namespace net
