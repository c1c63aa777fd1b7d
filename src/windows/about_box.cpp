#include "windows/about_box.h"

#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

TAboutBox::TAboutBox(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::About, "Kestrom MK4 Simulator Aboutbox", 298, 210) {}

void TAboutBox::aboutbtncloseClick() {
  Close();
}

void TAboutBox::ProgramIconClick() {
  ctx_.links().setupWindow().Status1.Visible = true;
}

}  // namespace kestrom
