#pragma once

#include "core/controls.h"
#include "core/window_model.h"
#include "setup/context.h"

namespace kestrom {

// About box shown from Help > About. Clicking the program icon reveals the
// setup window's hidden View menu item "Status " for the rest of the run.
class TAboutBox : public SimulatedWindow {
 public:
  explicit TAboutBox(Context& ctx);

  Label ProductName{"Product Name"};
  Label ProductTitle{"Kestrom Sim."};
  Label Version{"Version  No  "};
  Label VersionNumber{"3.00"};

  // OK button.
  void aboutbtncloseClick();
  // Click on the program icon.
  void ProgramIconClick();
};

}  // namespace kestrom
