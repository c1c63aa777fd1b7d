#include "setup/setup_window.h"

#include <algorithm>
#include <cctype>

#include "core/trim.h"
#include "setup/angles.h"
#include "setup/context.h"
#include "setup/telegrams.h"

namespace kestrom {

namespace {

constexpr const char* kHelpFile = "KESTROM SIMULATOR.HLP";
constexpr const char* kAzimuthFreezeText = "    AZIMUTH FREEZE";
constexpr const char* kLowBatteryText = "     LOW BATTERY";
constexpr int kLevel2AlarmMs = 900000;
constexpr int kLevel3AlarmMs = 600000;

// The alarm: six beeps, sounded twice on every alarm tick.
const std::vector<Beep>& alarmBeeps() {
  static const std::vector<Beep> beeps = [] {
    const std::vector<Beep> six = {{800, 30}, {400, 30}, {450, 30},
                                   {600, 50}, {400, 30}, {450, 30}};
    std::vector<Beep> all = six;
    all.insert(all.end(), six.begin(), six.end());
    return all;
  }();
  return beeps;
}

// The counter station as the setup window's radio buttons name it.
const char* stationName(CounterKind kind) {
  switch (kind) {
    case CounterKind::Mk3Fix:
      return "Kestrom Mk 3 Fix Station";
    case CounterKind::Mk4Beacon:
      return "Kestrom Mk 4 Beacon";
    case CounterKind::Mk3Beacon:
      return "Kestrom Mk 3 Beacon";
    default:
      return "Kestrom Mk 4 Fix Station";
  }
}

std::string trimmed(const std::string& text) {
  return std::string(trimSpaces(text));
}

bool allDigits(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

Tmenumain::Tmenumain(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::Setup, "Kestrom Simulation", kMenuWidth, kMenuHeight),
      Timer2(ctx.scheduler(), timerOrder(2), 2000, false),
      Timer3(ctx.scheduler(), timerOrder(3), 5000, false),
      Timer5(ctx.scheduler(), timerOrder(5), 5000, true),
      Serial(ctx, timerOrder(4), MaskEdit1) {
  Timer2.setHandler([this] { Timer2Timer(); });
  Timer3.setHandler([this] { Timer3Timer(); });
  Timer5.setHandler([this] { Timer5Timer(); });

  RadioButton4.Checked = true;

  // The Mk 3 addresses in the form the panels write them, so that an address
  // chosen here matches one entered on a panel.
  ComboBox3.Items = {"0    0    ", "1    1    ", "2    2    ", "3    3    ",
                     "4    4    ", "5    5    ", "6    6    ", "7    7    ",
                     "8    8    ", "9    9    ", "A    A    ", "B    B    ",
                     "C    C    ", "D    D    ", "E    E    ", "F    F    "};
  ComboBox3.ItemIndex = 9;
  MaskEdit2.Text = "9300";
  ComboBox5.Items = {"+ 30 MHZ", "- 30 MHZ"};
  ComboBox5.ItemIndex = 1;
  MaskEdit1.Text = "00126";
  ComboBox1.Items = {"1", "2", "3", "4"};
  ComboBox1.ItemIndex = 0;
  ComboBox2.Items = {"1 (Beginner)", "2 (Normal)", "3 (Expert)"};
  ComboBox2.ItemIndex = 0;
  ComboBox3.Enabled = MaskEdit2.Enabled = ComboBox5.Enabled = false;

  AzimuthFrozenAlarm1.Checked = true;
  Status1.Visible = false;

  FormCreate();
}

int Tmenumain::Level() const {
  return ComboBox2.ItemIndex + 1;
}

// ---- Reset ----

void Tmenumain::FormCreate() {
  SimulationState& s = ctx_.state();
  Beacon1.Enabled = false;
  s.resetFlagsAndCycles();
  // The telegram list shows the type the reset chose, so it shows what is sent.
  Serial.telegrams.ItemIndex = s.OutputTelegramType - 1;
  Serial.TransmittingText.Caption = telegram::transmittingText(s.OutputTelegramType);
  // Only the list's selection: the timers and menus of a level chosen before stay.
  ComboBox2.ItemIndex = 0;
  s.resetTexts(ctx_.services().clock.timeOfDay());
  drawSectorAzimuthAtReset();
}

void Tmenumain::drawSectorAzimuthAtReset() {
  SimulationState& s = ctx_.state();
  RandomSource& r = ctx_.services().random;
  Extended azimuth = 0;
  const std::string sector = ComboBox1.Text();
  if (sector.size() == 1 && sector[0] >= '1' && sector[0] <= '4') {
    const int n = sector[0] - '0';
    const int firstRange = n == 4 ? 80 : 81;  // random(0..79) or random(0..80)
    const int first = r.random(firstRange);
    const int second = r.random(9);
    azimuth = 90 * (n - 1) + first + second;
  }
  // The hundredths are divided in extended precision, as the telegrams expect.
  azimuth += static_cast<Extended>(r.random(99)) / 100;
  setFixAzimuth(s, azimuth);
}

// A reset after start: the record's defaults, and no lamp of the old scenario
// stays lit (the telegrams report the Mobile's lamp as MobileLampLime).
void Tmenumain::resetAfterStart() {
  FormCreate();
  Links& links = ctx_.links();
  for (WindowIndex panel : {WindowIndex::Mobile, WindowIndex::Fix}) {
    links.lamp(panel).Lit = false;
    links.showLampPanel(panel, false);
  }
  ctx_.state().MobileLampLime = false;
  links.lamp(WindowIndex::AidDisplay).Lit = false;
}

void Tmenumain::ResetParameters1Click() {
  ctx_.services().log().setupChanged("Reset Parameters", "");
  resetAfterStart();
  // The reset restores the defaults of the counter station that stays chosen, so
  // the record and the "&ABU" menu keep agreeing with the checked radio button.
  const CounterKind kind = checkedCounterStation();
  applyCounterStation(kind);
  // No page goes on showing a lock or a mode the reset has undone.
  ctx_.links().redrawPanelScreens();
}

// ---- Counter station ----

CounterKind Tmenumain::checkedCounterStation() const {
  if (RadioButton2.Checked) return CounterKind::Mk3Fix;
  if (RadioButton3.Checked) return CounterKind::Mk4Beacon;
  if (RadioButton1.Checked) return CounterKind::Mk3Beacon;
  return CounterKind::Mk4Fix;
}

void Tmenumain::applyCounterStation(CounterKind kind) {
  SimulationState& s = ctx_.state();
  s.CounterStationKind = kind;
  switch (kind) {
    case CounterKind::Mk3Fix:
      s.CounterUnitRole = text::AsMk3F;
      s.CounterGainMode = text::Manual;
      s.CounterXmitRange = text::Short;
      s.MobileMk3FreqOffset = text::PlusOffset;
      break;
    case CounterKind::Mk4Beacon:
      s.CounterUnitRole = text::AsBeacon;
      break;
    case CounterKind::Mk3Beacon:
      s.CounterUnitRole = text::AsBcn3;
      s.CounterGainMode = text::Manual;
      break;
    default:
      break;
  }
  Beacon1.Enabled = kind == CounterKind::Mk4Beacon;
}

void Tmenumain::chooseCounterStation(CheckBox& button, CounterKind kind) {
  for (CheckBox* b : {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4}) {
    b->Checked = b == &button;
  }
  // A panel of a station the scenario no longer has closes.
  if (kind != CounterKind::Mk4Fix) window(WindowIndex::Fix).Close();
  if (kind != CounterKind::Mk4Beacon) window(WindowIndex::Beacon).Close();
  resetAfterStart();
  applyCounterStation(kind);
  FixAIDDisplay1.Enabled = kind == CounterKind::Mk4Fix;
  Fix1.Enabled = kind == CounterKind::Mk4Fix;
  Mobile1.Enabled = true;
  const bool mk3 = isMk3(kind);
  ComboBox3.Enabled = MaskEdit2.Enabled = ComboBox5.Enabled = mk3;
  ctx_.links().redrawPanelScreens();
  ctx_.services().log().setupChanged("Counter station", stationName(kind));
}

void Tmenumain::RadioButton4Click() {
  chooseCounterStation(RadioButton4, CounterKind::Mk4Fix);
}
void Tmenumain::RadioButton2Click() {
  chooseCounterStation(RadioButton2, CounterKind::Mk3Fix);
}
void Tmenumain::RadioButton3Click() {
  chooseCounterStation(RadioButton3, CounterKind::Mk4Beacon);
}
void Tmenumain::RadioButton1Click() {
  chooseCounterStation(RadioButton1, CounterKind::Mk3Beacon);
}

// ---- Mk 3 settings and shuttle tanker ----

void Tmenumain::ComboBox3Change(int index) {
  if (index < 0 || index >= static_cast<int>(ComboBox3.Items.size())) return;
  ComboBox3.ItemIndex = index;
  ctx_.state().CounterMk3Addr = ComboBox3.Text();
  ctx_.services().log().setupChanged("Mk 3 Addr.", trimmed(ComboBox3.Text()));
}

bool Tmenumain::MaskEdit2Change(const std::string& text) {
  if (!MaskEdit2.Enabled || text.size() > 4 || !allDigits(text)) return false;
  MaskEdit2.Text = text;
  return true;
}

void Tmenumain::MaskEdit2Exit() {
  if (!MaskEdit2.Enabled) return;
  std::string& counterFreq = ctx_.state().CounterFreq;
  const std::string entry = MaskEdit2.Text;
  if (entry.size() == 4 && allDigits(entry)) {
    int mhz = 0;
    for (char c : entry) mhz = mhz * 10 + (c - '0');
    if (mhz >= 9200 && mhz <= 9399) {
      counterFreq = entry;
      ctx_.services().log().setupChanged("Mk 3 Freq.", entry);
      return;
    }
  }
  // Put back before the message: the edit loses the focus to the message box,
  // which ends the entry again.
  MaskEdit2.Text = counterFreq;
  const std::string what =
      entry.empty() ? "No frequency was entered" : "The frequency \"" + entry + "\" is not valid";
  ctx_.services().dialogs.error(what + ": enter four digits from 9200 to 9399.");
}

void Tmenumain::ComboBox5Change(int index) {
  if (index < 0 || index >= static_cast<int>(ComboBox5.Items.size())) return;
  ComboBox5.ItemIndex = index;
  ctx_.state().CounterMk3FreqOffset = ComboBox5.Text();
  ctx_.services().log().setupChanged("Mk 3 Mob.", ComboBox5.Text());
}

void Tmenumain::CheckBox2Click(bool checked) {
  CheckBox2.Checked = checked;
  ctx_.state().ShuttleTankerSoftware = checked ? 1 : 0;
  ctx_.services().log().setupChanged("Shuttle Tanker Software", checked ? "on" : "off");
}

// ---- Range, sector, level ----

bool Tmenumain::MaskEdit1Change(const std::string& text) {
  if (text.size() > 5 || !allDigits(text)) return false;
  MaskEdit1.Text = text;
  return true;
}

void Tmenumain::MaskEdit1Exit() {
  std::string& t = MaskEdit1.Text;
  if (t.size() < 5) t.insert(0, 5 - t.size(), '0');
  ctx_.services().log().setupChanged("Range to station", t);
}

void Tmenumain::ComboBox1Change(int index) {
  if (index < 0 || index >= static_cast<int>(ComboBox1.Items.size())) return;
  ComboBox1.ItemIndex = index;
  ctx_.services().log().setupChanged("Sector", ComboBox1.Text());
  SimulationState& s = ctx_.state();
  RandomSource& r = ctx_.services().random;
  switch (index + 1) {
    case 1:
      setFixAzimuth(s, r.random(91) + static_cast<Extended>(r.randomReal()));
      break;
    case 2:
      setFixAzimuth(s, 90 + r.random(91));
      break;
    case 3:
      setFixAzimuth(s, 180 + r.random(91));
      break;
    case 4:
      setFixAzimuth(s, 270 + r.random(90));
      break;
  }
}

void Tmenumain::ComboBox2Change(int index) {
  if (index < 0 || index >= static_cast<int>(ComboBox2.Items.size())) return;
  ComboBox2.ItemIndex = index;
  ctx_.services().log().setupChanged("Level", ComboBox2.Text());
  if (index == 0) {
    Azimuthwindow1.Enabled = true;
    FixAIDDisplay1.Enabled = true;
    Timer3.stop();
    return;
  }
  Azimuthwindow1.Enabled = false;
  Azimuthwindow1.Checked = false;
  window(WindowIndex::Bearing).Close();
  FixAIDDisplay1.Enabled = false;
  Timer3.start();
  Timer2.setInterval(index == 1 ? kLevel2AlarmMs : kLevel3AlarmMs);
}

// ---- Setup mode ----

void Tmenumain::setTrackingTimers(bool on) {
  for (Timer* t : trackingTimers_) t->setEnabled(on);
}

void Tmenumain::SimulationParameters1Click() {
  ctx_.services().log().setupChanged("Simulation Parameters", "opened");
  setTrackingTimers(false);
  FixAIDDisplay1.Checked = false;
  window(WindowIndex::AidDisplay).Close();
  FixAIDDisplay1.Enabled = false;
  Height = kSetupHeight;
}

void Tmenumain::BitBtn1Click() {
  ctx_.services().log().setupChanged("Exit Setup", "");
  Height = kMenuHeight;
  Width = kMenuWidth;
  setTrackingTimers(true);
  FixAIDDisplay1.Enabled = ctx_.state().CounterStationKind == CounterKind::Mk4Fix && Level() == 1;
}

void Tmenumain::BitBtn2Click() {
  Width = Width == kTelegramWidth ? kMenuWidth : kTelegramWidth;
}

void Tmenumain::FormActivate() {
  Height = kMenuHeight;
  Width = kMenuWidth;
}

// ---- Start and end ----

void Tmenumain::FormShow() {
  window(WindowIndex::Prescreen).Show();
}

void Tmenumain::Timer5Timer() {
  window(WindowIndex::Prescreen).Close();
  Timer5.stop();
}

void Tmenumain::FormClose() {
  if (onQuit) onQuit();
}

void Tmenumain::Exit1Click() {
  Close();
}

// ---- Alarms ----

void Tmenumain::AzimuthFrozenAlarm1Click() {
  AzimuthFrozenAlarm1.Checked = true;
  LowBatteryAlarm1.Checked = false;
  ctx_.services().log().setupChanged("Alarm", "Azimuth Frozen");
}

void Tmenumain::LowBatteryAlarm1Click() {
  LowBatteryAlarm1.Checked = true;
  AzimuthFrozenAlarm1.Checked = false;
  ctx_.services().log().setupChanged("Alarm", "Low Battery");
}

void Tmenumain::AcceptAlarm1Click() {
  ctx_.services().log().alarm(false, "");
  Timer2.stop();
}

void Tmenumain::Timer3Timer() {
  if (ctx_.state().InLock == 1) Timer2.start();
}

void Tmenumain::Timer2Timer() {
  // Written over whatever screen the Mobile shows; its values stay underneath.
  const char* alarm = LowBatteryAlarm1.Checked      ? kLowBatteryText
                      : AzimuthFrozenAlarm1.Checked ? kAzimuthFreezeText
                                                    : "";
  ctx_.links().showAlarm(alarm);
  ctx_.services().log().alarm(true, trimmed(alarm));
  // Both rounds of beeps in one go: the tone player sounds them without holding
  // up the simulation.
  ctx_.services().tone.play(alarmBeeps());
}

// ---- Windows opened from the menus ----

void Tmenumain::Fix1Click() {
  window(WindowIndex::Fix).Show();
}
void Tmenumain::Mobile1Click() {
  window(WindowIndex::Mobile).Show();
}

void Tmenumain::Beacon1Click() {
  window(WindowIndex::Beacon).Show();
}

void Tmenumain::AlignmentFixStation1Click() {
  window(WindowIndex::Alignment).Show();
}

namespace {
void toggle(MenuItem& item, WindowModel& window) {
  if (item.Checked) {
    item.Checked = false;
    window.Close();
  } else {
    item.Checked = true;
    window.Show();
  }
}
}  // namespace

void Tmenumain::Azimuthwindow1Click() {
  toggle(Azimuthwindow1, window(WindowIndex::Bearing));
}
void Tmenumain::DistanceAdjust1Click() {
  toggle(DistanceAdjust1, window(WindowIndex::DistanceAdjust));
}
void Tmenumain::ConfigView1Click() {
  toggle(ConfigView1, window(WindowIndex::ConfigView));
}

void Tmenumain::FixAIDDisplay1Click() {
  if (!FixAIDDisplay1.Checked) ctx_.links().runAidIdleRedraw(true);
  toggle(FixAIDDisplay1, window(WindowIndex::AidDisplay));
}

void Tmenumain::History1Click() {
  window(WindowIndex::Mk3Unit).Show();
}
void Tmenumain::About1Click() {
  window(WindowIndex::About).Show();
}
void Tmenumain::Manual1Click() {
  ctx_.services().help.openContents(kHelpFile);
}

// ---- The menu bar as data ----

const std::vector<Tmenumain::MenuEntry>& Tmenumain::menuTable() {
  using M = Tmenumain;
  static const std::vector<MenuEntry> table = {
      {&M::Exit1, "Exit1", "&Exit", "Ctrl+E", "Exit Kestrom Simulator", 0, false, &M::Exit1Click},
      {&M::Setup1, "Setup1", "&Setup", "Ctrl+S", "Setup Simulation Parameters", 0, false, nullptr},
      {&M::SimulationParameters1, "SimulationParameters1", "Simulation Parameters", "", "", 1,
       false, &M::SimulationParameters1Click},
      {&M::ResetParameters1, "ResetParameters1", "Reset Parameters", "", "", 1, false,
       &M::ResetParameters1Click},
      {&M::Alarms1, "Alarms1", "Alarms", "", "", 1, false, nullptr},
      {&M::AzimuthFrozenAlarm1, "AzimuthFrozenAlarm1", "Azimuth Frozen Alarm", "", "", 2, true,
       &M::AzimuthFrozenAlarm1Click},
      {&M::LowBatteryAlarm1, "LowBatteryAlarm1", "Low Battery Alarm", "", "", 2, true,
       &M::LowBatteryAlarm1Click},
      {&M::AcceptAlarm1, "AcceptAlarm1", "Accept Alarm", "", "", 1, false, &M::AcceptAlarm1Click},
      {&M::ABU1, "ABU1", "&ABU", "Ctrl+A", "Activate Operating Panels or Telescope", 0, false,
       nullptr},
      {&M::Fix1, "Fix1", "Fix", "", "", 1, false, &M::Fix1Click},
      {&M::Mobile1, "Mobile1", "Mobile", "", "", 1, false, &M::Mobile1Click},
      {&M::Beacon1, "Beacon1", "Beacon", "", "", 1, false, &M::Beacon1Click},
      {&M::AlignmentFixStation1, "AlignmentFixStation1", "Alignment Fix Station", "", "", 1, false,
       &M::AlignmentFixStation1Click},
      {&M::View1, "View1", "&View", "", "View Extra Windows", 0, false, nullptr},
      {&M::Azimuthwindow1, "Azimuthwindow1", "Antenna Bearing Window", "", "", 1, true,
       &M::Azimuthwindow1Click},
      {&M::DistanceAdjust1, "DistanceAdjust1", "Distance Adjust", "", "", 1, true,
       &M::DistanceAdjust1Click},
      {&M::FixAIDDisplay1, "FixAIDDisplay1", "Fix AID Display", "", "", 1, true,
       &M::FixAIDDisplay1Click},
      {&M::ConfigView1, "ConfigView1", "Config View", "", "", 1, true, &M::ConfigView1Click},
      {&M::Status1, "Status1", "Status ", "", "", 1, false, nullptr},
      {&M::History1, "History1", "History", "", "", 1, false, &M::History1Click},
      {&M::Help1, "Help1", "&Help", "", "Help and About", 0, false, nullptr},
      {&M::About1, "About1", "About", "", "", 1, false, &M::About1Click},
      {&M::Manual1, "Manual1", "Manual", "", "", 1, false, &M::Manual1Click},
  };
  return table;
}

}  // namespace kestrom
