// What the bench's figures share: the event loop run for a while, and a
// desktop that opens nothing.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <string>

#include "ui/program.h"

namespace bench {

// Runs the event loop, sleeping between events, for `ms` milliseconds.
inline void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class NoShell : public ui::Shell {
 public:
  void open(const std::string&) override {}
};

}  // namespace bench
