#pragma once

#include <string>

#include "platform/scheduler.h"

namespace kestrom {

class Simulator;
class StationPanel;

// The Mobile's frequency slew (Timer5, 300 ms), started by ENTER. On the frequency
// pair pages the shown ACTUAL FREQ moves 10 MHz a tick toward the pair's mobile
// frequency; on FREQ ADJUST MK3 the mobile frequency itself moves 1 MHz a tick
// toward the keyed target while the signal bars follow the antenna. The last step
// is shortened so that every slew ends exactly on its target.
class FrequencySlew {
 public:
  FrequencySlew(Simulator& sim, StationPanel& panel, int timerOrder);

  Timer Timer5;

  void startPairSlew(int targetMhz);
  void startAdjustSlew(int targetMhz);
  void Timer5Timer();

  int Target = 0;

 private:
  enum class Kind { Pair, Adjust };
  void pairTick();
  void adjustTick();

  Simulator& sim_;
  StationPanel& panel_;
  Kind kind_ = Kind::Pair;
};

// One step of at most `step` from `value` toward `target`.
int stepToward(int value, int target, int step);

}  // namespace kestrom
