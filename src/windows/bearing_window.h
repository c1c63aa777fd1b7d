#pragma once

#include "core/controls.h"
#include "core/extended.h"
#include "core/window_model.h"
#include "setup/context.h"

namespace kestrom {

// Antenna bearing read-out in large digits.
class Tabw : public SimulatedWindow {
 public:
  explicit Tabw(Context& ctx);

  Label Label1{"0.00"};  // the bearing, fixed with 2 decimals

  // The panels' tracking writes the bearing on every tick, shown or not.
  void showBearing(Extended bearing);

  void BitBtn1Click() { Close(); }  // "Close"
  void FormClose() override;
};

}  // namespace kestrom
