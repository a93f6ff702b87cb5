// The network race: this player's car and the other player's, moved by the
// messages that arrive, two computer cars in the way, missiles and turbo,
// chat, and the result each side decides on its own screen and claims.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "net/protocol.h"
#include "net/socket.h"
#include "ui/window.h"
#include "ui/words.h"

namespace net {

class NetState;

// The two sides of the race as this screen shows them: this player's own
// car, and the other player's, moved by what arrives.
enum Side { kMe = 0, kPeer = 1 };
constexpr Side kSides[] = {kMe, kPeer};
constexpr Side opposite(Side s) { return s == kMe ? kPeer : kMe; }

// The seats: the host plays 1P, the guest 2P.
constexpr std::int16_t kHostSeat = 1;
constexpr std::int16_t kGuestSeat = 2;

// What the status line reads while connected, and before.
constexpr const char* kConnected = ui::Words::tr("已連線");
constexpr const char* kNotConnected = ui::Words::tr("尚未連線");

// What the result banner reads on each screen.
constexpr const char* kYouWin = "You Win !";
constexpr const char* kYouLose = "You loss!";

// Turbo's speed; anything faster overheats the engine.
constexpr std::int16_t kTurboSpeed = 560;

struct Player {
  std::int16_t speed = 0;    // twips the road moves down per tick
  std::int16_t turbo = 200;  // turbo charges left
  std::int16_t distance = 0;
};

class RaceScreen : public ui::Window, public SocketEvents {
 public:
  explicit RaceScreen(ui::Program& program);
  ~RaceScreen() override;
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;
  // The dashboard marks this player's own name once they have hosted or joined.
  std::string backdrop() const override;

  Player& player(Side side) { return players_[side]; }
  std::int16_t rivalSpeed(int k) const { return rivalSpeeds_[k]; }

  Socket& socket();
  bool isConnected();  // the status reads "已連線"

  // What the connection dialog asks of the race.
  void prepareToConnect();  // loads the race and holds it until a side is chosen
  std::string localAddress();
  std::int16_t seat() const { return seat_; }
  void takeSeat(std::int16_t seat);  // puts the cars on their starting sides
  void host(const std::string& name);
  void join(const std::string& name, const std::string& address);

  // Socket events, turned into the window's events.
  void connectionRequest(int requestId) override;
  void connected() override;
  void dataArrival(int bytesTotal) override;

  // Bytes read while the screen was closed, waiting for it to open; past
  // this many, what arrives for a closed screen is dropped.
  static constexpr std::size_t kMostUnread = 64 * 1024;
  std::size_t unreadBytes() const { return unread_.size(); }

 private:
  // ---- the elements, by role (race_design.cpp) ----
  ui::Element& track();
  ui::Element& car(Side side);
  ui::Element& myCar() { return car(kMe); }
  ui::Element& peerCar() { return car(kPeer); }
  ui::Element& missile(Side side);
  ui::Element& rival(int k);
  ui::Element& goldCar();
  ui::Element& finishLine();
  ui::Element& laneMark(int k);
  ui::Element& peerAheadMarker();
  ui::Element& peerBehindMarker();
  ui::Element& countdownLabel();
  ui::Element& resultBanner();
  ui::Element& statusLabel();
  ui::Element& nameLabel(std::int16_t seat);
  ui::Element& speedLabel(Side side);
  ui::Element& turboLabel(Side side);
  ui::Element& timeLabel();
  ui::Element& speedWarning();
  ui::Element& chatBox();
  ui::Element& peerLine();
  ui::Element& myLine();
  ui::Element& hint();
  ui::Element& talkButton();
  ui::Element& restartButton();
  ui::Element& connectButton();
  ui::Element& raceTimer();
  ui::Element& countdownTimer();
  ui::Element& speedTimer();
  ui::Element& lineTimer();
  ui::Element& placeTimer();
  ui::Element& socketElement();

  // ---- load, close, buttons, keys, connection (race_screen.cpp) ----
  void prepareRace();
  void hangUp();
  bool sayGoodbye();
  void talk();
  void clearChat();
  void restart();
  void reconnect();
  void leave();
  void driveKey(int key);
  void enableNetButtons(bool on);
  void signIn(std::int16_t seat, const std::string& name);
  static std::string seatTag(std::int16_t seat);
  void acceptPlayer(int requestId);
  void connectedToHost();
  void send(const std::string& message);
  void send(Code code, int times = 1);

  // The elements a key or a message moves, looked up once for a whole
  // arrival rather than once a message.
  struct Cast {
    std::array<ui::Element*, 2> cars;
    std::array<ui::Element*, 2> missiles;
    ui::Element* peerLine;
  };
  Cast cast();

  // ---- receiving (race_screen.cpp) ----
  void receive();
  void act(Code code, std::string_view text, const Cast& cast);
  void drive(Side side, Code key, const Cast& cast);
  void steer(Side side, float direction, const Cast& cast);
  void nameArrived(const std::string& name);
  void peerClaimsWin();
  void peerConcedes();
  void peerReportsPlace(Code report, const Cast& cast);
  void stop(Side side);

  // ---- the race tick and the other timers (race_tick.cpp) ----
  void raceTick();
  void countdownTick();
  void sendSpeed();
  void claimWinAtLine();
  void sendPlace();
  void standingsTick();
  void repeatResultClaim();

  // The steps of one race tick, in order.
  void goldCarForKelmot();
  void closeTalk();
  void snapSpeeds();
  void showTime();
  void reportPlaces();
  void hideConnectButton();
  void showFinishLine();
  void showTurbo();
  void moveRivals();
  void markPeerOutOfSight();
  void colourSpeeds();
  void countTick();
  void keepCarsOnRoad();
  void coolEngines();
  void addDistance();
  void showSpeeds();
  void movePeerCar();
  void flyMissiles();
  void collide();
  void moveFinishLine();
  void decideResult();
  void scrollLaneMarks();

  void showVictory();
  void showDefeat();
  void stopRace();
  void reportLead();
  void openTalkBetweenRaces();
  void layFinishLineUnderWinner();
  bool resultShown();
  Player& me() { return players_[kMe]; }
  Player& peer() { return players_[kPeer]; }
  Side seatSide(std::int16_t seat) const { return seat_ == seat ? kMe : kPeer; }
  Side hostSide() const { return seat_ == kGuestSeat ? kPeer : kMe; }

  // Race state, in the program's globals.
  std::int16_t seat_ = kHostSeat;
  std::array<Player, 2> players_{};
  std::int16_t raceTicks_ = 0;
  std::array<std::int16_t, 2> rivalSpeeds_{};
  std::int16_t countdown_ = 6;

  NetState& net_;
  std::unique_ptr<Socket> socket_;
  std::string unread_;   // read from the socket while the screen was closed
  std::string arrival_;  // the arrival being handled, as text
};

}  // namespace net
