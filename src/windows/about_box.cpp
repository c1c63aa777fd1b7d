#include "windows/about_box.h"

#include "simulator/simulator.h"
#include "setup/setup_window.h"

namespace kestrom {

TAboutBox::TAboutBox(Simulator& sim)
    : WindowModel(sim, WindowIndex::About, "Kestrom MK4 Simulator Aboutbox", 298, 210) {}

void TAboutBox::aboutbtncloseClick() {
  Close();
}

void TAboutBox::ProgramIconClick() {
  sim_.setupWindow().Status1.Visible = true;
}

}  // namespace kestrom
