// The connection dialog of the network race: a name, host or join, the
// address, and OK or end.
#pragma once

#include "ui/window.h"

namespace net {

class NetState;
class RaceScreen;

class ConnectDialog : public ui::Window {
 public:
  explicit ConnectDialog(ui::Program& program);
  const ui::Design& design() const override;

 private:
  void Form_Load();
  void Option1_Click();
  void Option2_Click();
  void Command1_Click();
  RaceScreen& race();

  NetState& s_;
};

}  // namespace net
