#include "simulator/simulator.h"

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "windows/about_box.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"
#include "windows/mk3_unit.h"
#include "windows/prescreen.h"

namespace kestrom {

Simulator::Simulator(Services services) : services_(services) {
  setup_ = std::make_unique<Tmenumain>(*this);
  mobile_ = std::make_unique<Tmobile>(*this);
  about_ = std::make_unique<TAboutBox>(*this);
  fix_ = std::make_unique<Tfix>(*this);
  bearing_ = std::make_unique<Tabw>(*this);
  aid_ = std::make_unique<Taiddisplay>(*this);
  distance_ = std::make_unique<Tafstmenu>(*this);
  config_ = std::make_unique<Tconfigview>(*this);
  mk3_ = std::make_unique<Tfix3>(*this);
  prescreen_ = std::make_unique<TPreForm>(*this);
}

Simulator::~Simulator() = default;

void Simulator::start() {
  setup_->Show();
}

}  // namespace kestrom
