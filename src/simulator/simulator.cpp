#include "simulator/simulator.h"

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/link_evaluation.h"
#include "setup/setup_window.h"
#include "windows/about_box.h"
#include "windows/aid_display.h"
#include "windows/alignment_window.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"
#include "windows/mk3_unit.h"
#include "windows/prescreen.h"

namespace kestrom {

Simulator::Simulator(Services services)
    : loggedDialogs_(services.dialogs, sessionLog_), services_{services.random,  services.clock,
                                                               loggedDialogs_,   services.tone,
                                                               services.help,    services.serial,
                                                               services.network, &sessionLog_} {
  setup_ = std::make_unique<Tmenumain>(context_);
  mobile_ = std::make_unique<Tmobile>(context_);
  about_ = std::make_unique<TAboutBox>(context_);
  beacon_ = std::make_unique<Tbeacon>(context_);
  fix_ = std::make_unique<Tfix>(context_);
  bearing_ = std::make_unique<Tabw>(context_);
  alignment_ = std::make_unique<TAlignfix>(context_);
  aid_ = std::make_unique<Taiddisplay>(context_, *fix_);
  distance_ = std::make_unique<Tafstmenu>(context_);
  config_ = std::make_unique<Tconfigview>(context_);
  mk3_ = std::make_unique<Tfix3>(context_);
  prescreen_ = std::make_unique<TPreForm>(context_);
}

Simulator::~Simulator() = default;

void Simulator::start() {
  setup_->Show();
}

WindowModel& Simulator::window(WindowIndex index) {
  switch (index) {
    case WindowIndex::Setup:
      return *setup_;
    case WindowIndex::Mobile:
      return *mobile_;
    case WindowIndex::About:
      return *about_;
    case WindowIndex::Beacon:
      return *beacon_;
    case WindowIndex::Fix:
      return *fix_;
    case WindowIndex::Bearing:
      return *bearing_;
    case WindowIndex::Alignment:
      return *alignment_;
    case WindowIndex::AidDisplay:
      return *aid_;
    case WindowIndex::DistanceAdjust:
      return *distance_;
    case WindowIndex::ConfigView:
      return *config_;
    case WindowIndex::Mk3Unit:
      return *mk3_;
    default:
      return *prescreen_;
  }
}

void Simulator::showAlarm(const std::string& text) {
  if (!text.empty()) mobile_->overlay(Cell::L4, text);
  mobile_->overlay(Cell::R4, "");
}

StatusLight& Simulator::lamp(WindowIndex index) {
  if (index == WindowIndex::AidDisplay) return aid_->ApdStatusLight1;
  if (index == WindowIndex::Fix) return fix_->ApdStatusLight1;
  if (index == WindowIndex::Beacon) return beacon_->ApdStatusLight1;
  return mobile_->ApdStatusLight1;
}

void Simulator::showLampPanel(WindowIndex index, bool shown) {
  if (index == WindowIndex::Fix) fix_->Panel1Visible = shown;
  if (index == WindowIndex::Mobile) mobile_->Panel1Visible = shown;
  if (index == WindowIndex::Beacon) beacon_->Panel1Visible = shown;
}

void Simulator::redrawPanelScreens() {
  for (StationPanel* panel :
       {static_cast<StationPanel*>(mobile_.get()), static_cast<StationPanel*>(fix_.get()),
        static_cast<StationPanel*>(beacon_.get())}) {
    if (panel) panel->redrawScreen();
  }
}

void Simulator::showAntennaBearing(Extended bearing) {
  bearing_->showBearing(bearing);
}

void Simulator::tickConfigView(const LinkConditions& c) {
  config_->setCondition(1, c.FrequencyBox);
  config_->setCondition(2, c.AddressMatch != 0);
  config_->setCondition(3, c.StationTypeMatch != 0);
  config_->setCondition(4, c.StandbyMatch != 0);
  config_->setCondition(5, c.RangeModeMatch != 0);
}

void Simulator::runAidSweep(bool on) {
  aid_->Timer1.setEnabled(on);
}

void Simulator::stepAidSweep() {
  aid_->Timer1Timer();
}

void Simulator::runAidIdleRedraw(bool on) {
  aid_->Timer2.setEnabled(on);
}

void Simulator::drawAidInLockLines(bool shown) {
  aid_->drawinlocklines(shown ? 1 : 0);
}

void Simulator::beginAidSetpointTurn(Extended setpoint) {
  aid_->beginSetpointTurn(setpoint);
}

}  // namespace kestrom
