#include "net/race_screen.h"

#include <algorithm>
#include <string>
#include <utility>

#include "net/net_state.h"
#include "ui/arith.h"
#include "ui/keys.h"
#include "ui/program.h"

namespace net {

using ui::Element;
using ui::Event;
using ui::sat16;

namespace {

// A line from the other side is shown cut to what a label can hold: a peer
// that sends megabytes cannot stall the screen.
std::string shown(std::string_view text) {
  constexpr std::size_t kMost = 160;  // characters
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars++ == kMost) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

// The keys of this player's car, and what each tells the other side.
constexpr struct {
  int key;
  Code code;
} kKeys[] = {{ui::vk::letter('H'), Code::Turbo},     {ui::vk::letter('W'), Code::Faster},
             {ui::vk::letter('A'), Code::SteerLeft}, {ui::vk::letter('D'), Code::SteerRight},
             {ui::vk::letter('S'), Code::Slower},    {ui::vk::letter('G'), Code::Missile}};

}  // namespace

RaceScreen::RaceScreen(ui::Program& program)
    : Window(program, "Form5"), net_(program.module<NetState>()) {
  // The race's variables are listed with the program's globals, under the
  // names replays know them by.
  ui::VarTable& g = program.globals();
  g.add("netRole", seat_);
  for (auto [field, name] : {std::pair{&Player::speed, "Speed"},
                             {&Player::turbo, "Turbo"},
                             {&Player::distance, "Distance"}}) {
    g.add(std::string("my") + name, players_[kMe].*field);
    g.add(std::string("peer") + name, players_[kPeer].*field);
  }
  g.add("raceTicks", raceTicks_);
  g.add("c1Speed", rivalSpeeds_[0]);
  g.add("c2Speed", rivalSpeeds_[1]);
  g.add("countdown", countdown_);

  on(Event::Load, "", [this] { prepareRace(); });
  on(Event::Unload, "", [this] { hangUp(); });
  // One handler for the window sees every key once, whichever area has the focus.
  onKey(Event::KeyDown, "", [this](int k) { driveKey(k); });
  onIndexed(Event::Click, "Com1", [this](int i) {
    using Button = void (RaceScreen::*)();
    static constexpr Button kButtons[] = {&RaceScreen::talk, &RaceScreen::clearChat,
                                          &RaceScreen::restart, &RaceScreen::reconnect,
                                          &RaceScreen::leave};
    if (i >= 0 && i < static_cast<int>(std::size(kButtons))) (this->*kButtons[i])();
  });
  on(Event::Click, "Label4", [this] { hint().Visible = false; });
  onArgs(Event::ConnectionRequest, "Winsock1",
         [this](const ui::EventArgs& a) { acceptPlayer(a.code); });
  on(Event::Connect, "Winsock1", [this] { connectedToHost(); });
  on(Event::DataArrival, "Winsock1", [this] { receive(); });
  on(Event::Timer, "Timer1", [this] { raceTick(); });
  on(Event::Timer, "Timer2", [this] { countdownTick(); });
  on(Event::Timer, "Timer3", [this] { sendSpeed(); });
  on(Event::Timer, "Timer4", [this] { claimWinAtLine(); });
  on(Event::Timer, "Timer5", [this] { sendPlace(); });
  on(Event::Timer, "Timer6", [this] { standingsTick(); });
  on(Event::Timer, "Timer7", [this] { repeatResultClaim(); });
}

RaceScreen::~RaceScreen() = default;

Socket& RaceScreen::socket() {
  if (!socket_) {
    socket_ = net_.makeSocket();
    socket_->setEvents(this);
  }
  return *socket_;
}

void RaceScreen::send(const std::string& message) {
  program().driver().netSent(message);
  socket().sendData(toWire(message));
}

void RaceScreen::send(Code code, int times) {
  for (int i = 0; i < times; ++i) send(encode(code));
}

bool RaceScreen::isConnected() { return loaded() && statusLabel().Caption == kConnected; }

void RaceScreen::enableNetButtons(bool on) {
  talkButton().setEnabled(on);
  restartButton().setEnabled(on);
}

std::string RaceScreen::seatTag(std::int16_t seat) { return seat == kHostSeat ? "1P : " : "2P : "; }

// ---- the connection dialog's choices ----------------------------------------------------

void RaceScreen::prepareToConnect() {
  program().load(*this);
  connectButton().Visible = false;
  enableNetButtons(false);
  seat_ = kHostSeat;
}

std::string RaceScreen::localAddress() { return socket().localIP(); }

// The host's car starts on the left and the guest's on the right; each
// instance shows itself as its own car.
void RaceScreen::takeSeat(std::int16_t seat) {
  seat_ = seat;
  car(seatSide(kHostSeat)).Left = 120;
  car(seatSide(kGuestSeat)).Left = 2640;
}

void RaceScreen::host(const std::string& name) {
  Socket& s = socket();
  s.LocalPort = kPort;
  s.listen();
  signIn(kHostSeat, name);
  statusLabel().Caption = ui::Words::tr("等待加入中");
}

void RaceScreen::join(const std::string& name, const std::string& address) {
  Socket& s = socket();
  s.RemoteHost = address;
  s.RemotePort = kPort;
  s.LocalPort = 0;
  s.connect();
  signIn(kGuestSeat, name);
  statusLabel().Caption = ui::Words::tr("正在連線到主機");
}

// This player's name on their seat; the other seat waits for its name.
void RaceScreen::signIn(std::int16_t seat, const std::string& name) {
  for (std::int16_t s : {kHostSeat, kGuestSeat}) nameLabel(s).Caption = "";
  nameLabel(seat).Caption = seatTag(seat) + name;
}

// ---- socket events, delivered as the window's own ----------------------------------

void RaceScreen::connectionRequest(int requestId) {
  if (loaded())
    program().socketEvent(*this, socketElement(), Event::ConnectionRequest, "connectionrequest",
                          requestId);
}

void RaceScreen::connected() {
  if (loaded()) program().socketEvent(*this, socketElement(), Event::Connect, "connect", -1);
}

// What arrived is read at once, so the event carries the text it brought.
// A closed screen keeps what arrives for when it opens, up to a bound.
void RaceScreen::dataArrival(int bytesTotal) {
  std::string got = socket().getData();
  if (!loaded()) {
    unread_.append(got, 0, kMostUnread - std::min(unread_.size(), kMostUnread));
    return;
  }
  if (!unread_.empty()) got = std::exchange(unread_, std::string()) + got;
  arrival_ = fromWire(got);
  program().socketEvent(*this, socketElement(), Event::DataArrival, "data", bytesTotal, &arrival_,
                        bytesTotal);
}

// Accepting takes this request in place of any connection there was.
void RaceScreen::acceptPlayer(int requestId) {
  socket().accept(requestId);
  statusLabel().Caption = kConnected;
  enableNetButtons(true);
}

void RaceScreen::connectedToHost() {
  statusLabel().Caption = kConnected;
  send(encode(Code::Name, nameLabel(kGuestSeat).Caption));
  enableNetButtons(true);
}

// ---- load, close, buttons, keys ---------------------------------------------------------

void RaceScreen::prepareRace() {
  // Big5 reads by a table built on first use: build it while the window
  // opens rather than on the first arrival, with the race running.
  fromWire({});
  setMusic("2.mid");
  track().setEnabled(true);
  for (Element* t : {&speedTimer(), &raceTimer(), &countdownTimer(), &placeTimer()})
    t->setEnabled(false);
  countdown_ = 6;
  players_ = {};
  rivalSpeeds_ = {};
  raceTicks_ = 0;
}

// Tells a connected peer that this side leaves; true if there was one.
bool RaceScreen::sayGoodbye() {
  if (!isConnected()) return false;
  send(Code::Leave);
  program().processPendingEvents();
  return true;
}

void RaceScreen::talk() {
  myLine().Caption = chatBox().Text;
  send(encode(Code::Chat, chatBox().Text));
}

void RaceScreen::clearChat() { chatBox().Text.clear(); }

// A fresh screen, not connected.
void RaceScreen::restart() {
  send(Code::Restart);
  program().unload(*this);
  program().show(*this, ui::ShowMode::Modal);
}

void RaceScreen::reconnect() {
  if (sayGoodbye()) connectButton().Visible = false;
  socket().close();
  statusLabel().Caption = kNotConnected;
  program().show(program().window("Form4"), ui::ShowMode::Modal);
}

void RaceScreen::hangUp() {
  sayGoodbye();
  socket().close();
}

void RaceScreen::leave() {
  hangUp();
  program().unload(*this);
}

void RaceScreen::driveKey(int key) {
  for (const auto& k : kKeys) {
    if (k.key != key) continue;
    drive(kMe, k.code, cast());
    send(k.code);
    return;
  }
}

// ---- what either car does at its player's key ----------------------------------------

RaceScreen::Cast RaceScreen::cast() {
  return {{&car(kMe), &car(kPeer)}, {&missile(kMe), &missile(kPeer)}, &peerLine()};
}

void RaceScreen::drive(Side side, Code key, const Cast& cast) {
  Player& p = players_[side];
  switch (key) {
    case Code::Turbo:
      if (p.turbo > 0) {
        p.speed = kTurboSpeed;
        p.turbo = sat16(p.turbo - 1);
      }
      break;
    case Code::Faster:
      p.speed = sat16(p.speed + 50);
      break;
    case Code::Slower:
      p.speed = sat16(p.speed - 100);
      break;
    case Code::SteerLeft:
      steer(side, -1, cast);
      break;
    case Code::SteerRight:
      steer(side, 1, cast);
      break;
    case Code::Missile:
      cast.missiles[side]->Top = cast.cars[side]->Top;
      cast.missiles[side]->Left = cast.cars[side]->Left;
      playWave("\\Shoot2.wav");
      break;
    default:
      break;
  }
}

// Sideways by 100 when level or behind, by 50 when ahead.
void RaceScreen::steer(Side side, float direction, const Cast& cast) {
  Element &c = *cast.cars[side], &other = *cast.cars[opposite(side)];
  if (c.Top >= other.Top) c.Left += 100 * direction;
  if (c.Top < other.Top) c.Left += 50 * direction;
}

// A car stops; the other side hears of it: this car's speed code, or the
// other car's order to halt.
void RaceScreen::stop(Side side) {
  players_[side].speed = 0;
  send(side == kMe ? Code::Speed0 : Code::Halt);
}

// ---- receiving ----------------------------------------------------------------------------

// Acts on every message of the arrival, in order.
void RaceScreen::receive() {
  const std::string arrival = std::exchange(arrival_, std::string());
  const Cast elements = cast();
  ArrivalReader reader(arrival);
  Code code;
  std::string_view text;
  while (reader.next(code, text)) {
    if (!loaded()) return;  // the other side left, and the screen closed
    act(code, text, elements);
  }
}

void RaceScreen::act(Code code, std::string_view text, const Cast& cast) {
  switch (code) {
    case Code::Chat:
      cast.peerLine->Caption = shown(text);
      break;
    case Code::Name:
      nameArrived(shown(text));
      break;
    case Code::WinClaim:
      peerClaimsWin();
      break;
    case Code::LossClaim:
      peerConcedes();
      break;
    case Code::Turbo:
    case Code::Faster:
    case Code::SteerLeft:
    case Code::SteerRight:
    case Code::Slower:
    case Code::Missile:
      drive(kPeer, code, cast);
      break;
    case Code::Halt:
      me().speed = 0;
      break;
    case Code::Ahead:
    case Code::Behind:
      peerReportsPlace(code, cast);
      break;
    case Code::FarAhead:
      cast.cars[kPeer]->Top = -520;
      break;
    case Code::FarBehind:
      cast.cars[kPeer]->Top = 3580;
      break;
    case Code::Leave:
      enableNetButtons(false);
      program().unload(*this);
      socket().close();
      break;
    default:  // the speed ladder (Restart among it) and the lanes
      if (auto speed = speedOfCode(code)) peer().speed = *speed;
      if (auto left = leftOfCode(code)) cast.cars[kPeer]->Left = *left;
      break;
  }
}

// The guest hears the host's name; the host hears the guest's and answers
// with its own. Either way the countdown starts.
void RaceScreen::nameArrived(const std::string& name) {
  if (seat_ != kHostSeat) {
    nameLabel(kHostSeat).Caption = name;
  } else {
    nameLabel(kGuestSeat).Caption = name;
    send(encode(Code::Name, nameLabel(kHostSeat).Caption));
  }
  countdownTimer().setEnabled(true);
}

// The other side says it won: this one lost, unless it already knows.
void RaceScreen::peerClaimsWin() {
  if (resultShown()) return;
  if (placeTimer().enabled()) send(Code::LossClaim, 8);
  showDefeat();
  if (myCar().Top < peerCar().Top) {
    peerCar().Top = -2000;
    peerAheadMarker().Visible = true;
  }
}

// The other side says it lost: this one won, unless it already knows.
void RaceScreen::peerConcedes() {
  if (resultShown()) return;
  if (placeTimer().enabled()) send(Code::WinClaim, 9);
  showVictory();
  if (myCar().Top > peerCar().Top) {
    peerCar().Top = 6000;
    peerBehindMarker().Visible = true;
  }
}

// When both screens agree who leads, the two cars are set level.
void RaceScreen::peerReportsPlace(Code report, const Cast& cast) {
  Element &mine = *cast.cars[kMe], &theirs = *cast.cars[kPeer];
  const bool agreed = report == Code::Ahead ? mine.Top < theirs.Top : mine.Top > theirs.Top;
  if (!agreed) return;
  theirs.Top = mine.Top;
  send(report);
}

}  // namespace net
