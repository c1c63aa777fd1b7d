#pragma once

#include "core/controls.h"
#include "core/window_model.h"
#include "setup/context.h"

namespace kestrom {

// Start screen shown for the first five seconds: a picture, the product name and
// the version on a lowered panel. It has no handlers; the setup window shows it
// and its Timer5 closes it.
class TPreForm : public SimulatedWindow {
 public:
  explicit TPreForm(Context& ctx);

  Label ProductName{"Kestrom MK4 Simulator"};
  Label Version{"Version 3"};
};

}  // namespace kestrom
