#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/window_model.h"
#include "setup/context.h"

namespace kestrom {

// Static picture of the front panel of the Mk 3 fix station's control data unit,
// kept on screen for reference while a Mk 3 counter station is simulated. Every
// text is fixed and nothing changes it; the only behaviour is the close box.
class Tfix3 : public SimulatedWindow {
 public:
  explicit Tfix3(Context& ctx);

  // Legends of the push buttons, the lock lamp, the slew keys, the volume knob
  // and the power switch.
  const std::array<std::string, 7> ControlTexts{
      "Search", "Auto Search", "Lock", "Left        Right", "Volume", "On", "Off"};
  // Positions of the meter selector, clockwise.
  const std::array<std::string, 8> SelectorTexts{"AGC",  "SUM1",    "SUM2",  "DIF1",
                                                 "DIF2", "Tunning", "Servo", "Data"};
  // Supply test points.
  const std::array<std::string, 4> SupplyTexts{"-15 V", "+15 V", "-12 V", "+ 12 V"};
  // The read-out window.
  const std::string DisplayText{"123.43"};
  // Legends of the ten keys, left to right, top row first.
  const std::array<std::string, 10> KeyLegends{"1", "2", "9", "3", "6", "7", "1", "8", "2", "1"};
  // The lamp beside "Lock", lit lime for good.
  const StatusLight Lamp{true, clLime, clBlack};

  // Every text on the panel, in the order above.
  std::vector<std::string> allTexts() const;
};

}  // namespace kestrom
