#pragma once

#include <string>

#include "app/controls.h"
#include "platform/scheduler.h"

namespace kestrom {

class Simulator;

// The setup window's right-hand half: serial port, line settings, telegram type
// and rate, the two output switches and the telegram timer.
class SerialOutput {
 public:
  SerialOutput(Simulator& sim, int timerOrder);

  Timer Timer4;  // telegram sender

 private:
  Simulator& sim_;
};

}  // namespace kestrom
