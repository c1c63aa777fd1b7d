#pragma once

#include "panels/common/station_panel.h"
#include "panels/mobile/frequency_slew.h"
#include "panels/mobile/mobile_tracking.h"

namespace kestrom {

// The Mobile station's extended operating panel.
class Tmobile : public StationPanel {
 public:
  explicit Tmobile(Simulator& sim);

  MobileTracking Tracking;  // Timer1 antenna slew, Timer3 link and measurement cycle
  FrequencySlew Slew;       // Timer5 frequency slew

  void FormShow() override;
  void FormClose() override;
  void SlewKeyDown(bool right) override { Tracking.slewKeyDown(right); }
  void SlewKeyUp(bool right) override {
    (void)right;
    Tracking.slewKeyUp();
  }
  // ON/OFF: the Mobile leaves the link and its window closes.
  void OnOffKey() override;
  // The dial is drawn afresh from the antenna on every paint; kept for the windows
  // that ask the Mobile panel to redraw it.
  void RePaint() {}

 protected:
  void enterStep() override;
  void SlewStep() override { Tracking.Timer1Timer(); }
};

// The Mobile panel's menu tree as data.
const PanelTables& mobilePanelTables();

}  // namespace kestrom
