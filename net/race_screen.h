// The network race: this player's car and the other player's, moved by the
// messages that arrive, two computer cars in the way, missiles and turbo,
// chat, and the result each side decides on its own screen and claims.
#pragma once

#include <memory>
#include <string>

#include "net/socket.h"
#include "ui/window.h"

namespace net {

class NetState;

class RaceScreen : public ui::Window, public SocketEvents {
 public:
  explicit RaceScreen(ui::Program& program);
  ~RaceScreen() override;
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;
  // The dashboard marks this player's own name once they have hosted or joined.
  std::string backdrop() const override;

  Socket& socket();
  // Sends one message as one write.
  void NetSend(const std::string& text);
  bool isConnected();  // the status reads "已連線"
  void EnableNetButtons(bool on);

  // Socket events, turned into the window's events.
  void connectionRequest(int requestId) override;
  void connected() override;
  void dataArrival(int bytesTotal) override;

 private:
  void Form_Load();
  void Form_Unload();
  void Form_KeyDown(int key);
  void Com1_Click(int index);
  void Winsock1_ConnectionRequest(int requestId);
  void Winsock1_Connect();
  void NetReceive(int bytesTotal);
  void act(const std::string& message);

  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Timer5_Timer();
  void Timer6_Timer();
  void Timer7_Timer();

  void stopRace();
  void send(const char* code, int times);
  void steer(ui::Element& car, const ui::Element& other, float direction);
  bool resultShown();

  NetState& s_;
  std::unique_ptr<Socket> socket_;
  std::string arrived_;  // read from the socket, not yet handled
};

}  // namespace net
