// The connection dialog of the network race: a name, host or join, the
// address, and OK or end.
#pragma once

#include "ui/window.h"

namespace net {

class RaceScreen;

class ConnectDialog : public ui::Window {
 public:
  explicit ConnectDialog(ui::Program& program);
  const ui::Design& design() const override;

 private:
  void prepare();
  void chooseHost();
  void chooseJoin();
  void confirm();
  RaceScreen& race();
};

}  // namespace net
