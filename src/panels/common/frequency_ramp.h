#pragma once

#include <string>
#include <vector>

#include "core/scheduler.h"
#include "panels/common/station_side.h"

namespace kestrom {

class StationPanel;

// A panel's frequency ramp (Timer5, 300 ms), started by ENTER. On the frequency
// pair pages the frequency shown in 4R moves 10 MHz a tick toward the pair's
// frequency of this station, which is stored when reached; on FREQ ADJUST MK3 this
// station's frequency itself moves 1 MHz a tick toward the keyed target, shown in
// 3R, while the signal bars in 4L follow the antenna and the other station's
// frequency. A station that takes a frequency when it is entered (the Beacon)
// stores the pair's frequency on the first tick and the keyed one at ENTER, and
// only the value shown moves. The last step is shortened so that every ramp ends
// on its target, and a frequency already there does not move. A ramp whose page is
// left ends at once on its target.
class FrequencyRamp {
 public:
  struct Pages {
    std::vector<int> pair;  // the frequency pair pages
    int adjust;             // FREQ ADJUST MK3
    // The Beacon's FREQ ADJUST MK3 shows full bars whenever the two frequencies
    // lie 30 MHz apart; the other panels also ask the antenna.
    bool barsBySpacingOnly = false;
    // The station's frequency is the new one from the ramp's start.
    bool storesAtOnce = false;
  };
  FrequencyRamp(Scheduler& scheduler, StationPanel& panel, int timerOrder, Pages pages,
                const StationSide& own, const StationSide& other);

  Timer Timer5;
  int Target = 0;

  void startPairRamp(int targetMhz);
  void startAdjustRamp(int targetMhz);
  // ENTER on a frequency pair page: toward this station's frequency of the pair
  // its pair text names (nothing for a text without a pair digit).
  void startForPair();
  // ENTER on FREQ ADJUST MK3: toward the frequency keyed, a whole number.
  void startForAdjust(const std::string& keyed);
  void Timer5Timer();

 private:
  enum class Kind { Pair, Adjust };
  void pairTick();
  void adjustTick();

  StationPanel& panel_;
  Pages pages_;
  const StationSide& own_;
  const StationSide& other_;
  Kind kind_ = Kind::Pair;
};

// Frequency of pair n (0..3) for a station side: the Mobile's 9200, 9300, 9230,
// 9270; the counter station's 9230, 9270, 9200, 9300.
int pairFrequency(const StationSide& side, int n);

// One step of at most `step` from `value` toward `target`.
int stepToward(int value, int target, int step);

}  // namespace kestrom
