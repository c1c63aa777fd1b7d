#pragma once

#include "panels/common/frequency_ramp.h"
#include "panels/common/station_panel.h"
#include "panels/mobile/mobile_tracking.h"

namespace kestrom {

// The Mobile station's extended operating panel: its tables (mobilePanelTables)
// on the common panel model, its tracking, its frequency ramp, and the few ENTER
// steps that are the Mobile's own.
class Tmobile : public StationPanel {
 public:
  explicit Tmobile(Context& ctx);

  MobileTracking Tracking;  // Timer1 antenna slew, Timer3 link and measurement cycle
  FrequencyRamp Ramp;       // Timer5 frequency ramp

  void FormShow() override;
  void SlewKeyDown(bool right) override { Tracking.slewKeyDown(right); }
  void SlewKeyUp(bool right) override {
    (void)right;
    Tracking.slewKeyUp();
  }
  // ON/OFF: the Mobile leaves the link and its window closes.
  void OnOffKey() override;

  // ENTER steps of the Mobile's own pages.
  void startPairRamp();             // FREQ: to the pair's mobile frequency
  void startAdjustRamp();           // FREQ ADJUST MK3: to the keyed frequency
  void operatingModeEntered();      // OPR MODE: the antenna scans or stops
  void mk3FixFollowsTransmitter();  // RF GAIN: a Mk 3 fix takes the Mobile's range and power
  void mk3MobileGainIsManual();     // UNIT CONFIGURED: a Mk 3 mobile has manual gain
  void perConnectionEntered();      // PER. CONNECTION: the setup window's lists follow
  void perTelegramsEntered();       // PER. TELEGRAMS: the setup window's telegram list follows
  bool configuredBearingEntered();  // the configuration run's antenna bearing
  bool stationCodeEntered();        // ENTER STATION: the station profile of the code

 protected:
  void SlewStep() override { Tracking.Timer1Timer(); }
};

// The Mobile panel's menu tree as data.
const PanelTables& mobilePanelTables();

}  // namespace kestrom
