#include "random_events/event_table.h"

#include <unordered_map>

#include "panels/common/station_panel.h"
#include "random_events/session.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "testing/press_keys.h"
#include "windows/about_box.h"
#include "windows/alignment_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"

namespace kestrom::random_events {

std::string Draw::numberish(int maxLength) {
  static constexpr char kStray[] = ",.- aZ";
  std::string s;
  const int n = below(maxLength + 1);
  for (int i = 0; i < n; ++i) {
    s += chance(0.9) ? static_cast<char>('0' + below(10)) : kStray[below(sizeof kStray - 1)];
  }
  return s;
}

std::string Draw::junk(int maxLength) {
  std::string s;
  const int n = below(maxLength + 1);
  for (int i = 0; i < n; ++i) s += static_cast<char>(between(32, 126));
  return s == "|" ? "" : s;
}

namespace {

// ---- Who can reach what ---------------------------------------------------------

Tmenumain& setup(Session& s) {
  return s.sim().setupWindow();
}
SerialOutput& serial(Session& s) {
  return setup(s).Serial;
}
// The scenario half of the setup window is on show.
bool setupHalfShown(Session& s) {
  return s.loose() || (setup(s).Visible() && setup(s).Height == Tmenumain::kSetupHeight);
}
// The telegram half is on show.
bool telegramHalfShown(Session& s) {
  return setupHalfShown(s) && (s.loose() || setup(s).Width == Tmenumain::kTelegramWidth);
}
bool reachable(Session& s, bool shown, bool enabled) {
  return s.loose() || (shown && enabled);
}
bool windowShown(Session& s, WindowIndex w) {
  return s.loose() || s.sim().window(w).Visible();
}

// ---- Station panels ----------------------------------------------------------------

constexpr int kKeyCount = static_cast<int>(PanelKey::Talk) + 1;
constexpr WindowIndex kPanelWindows[] = {WindowIndex::Mobile, WindowIndex::Fix,
                                         WindowIndex::Beacon};

void drawKey(Draw& d, Event& e) {
  e.a = d.below(Session::kPanelCount);
  // Digits and the function keys are what a trainee presses most.
  e.b = d.chance(0.75) ? d.below(static_cast<int>(PanelKey::Enter) + 1) : d.below(kKeyCount);
}
void drawSlewUp(Draw& d, Event& e) {
  e.a = d.below(Session::kPanelCount);
  e.b = static_cast<int>(d.chance(0.5) ? PanelKey::Left : PanelKey::Right);
}
StationPanel* panelFor(Session& s, const Event& e) {
  if (e.a < 0 || e.a >= Session::kPanelCount || e.b < 0 || e.b >= kKeyCount) return nullptr;
  if (!windowShown(s, kPanelWindows[e.a])) return nullptr;
  return &s.panel(e.a);
}
void keyPress(Session& s, const Event& e) {
  if (StationPanel* p = panelFor(s, e)) p->press(static_cast<PanelKey>(e.b));
}
void keyRelease(Session& s, const Event& e) {
  if (StationPanel* p = panelFor(s, e)) p->release(static_cast<PanelKey>(e.b));
}
void keyTap(Session& s, const Event& e) {
  if (StationPanel* p = panelFor(s, e)) p->tap(static_cast<PanelKey>(e.b));
}
// The trainee's way to a lock, as the manual's first-lock page teaches it: the
// Mobile to AUTOSEARCH, then OPERATE. A random stream seldom types it by chance,
// and out of lock most telegram formats are never sent, so their values would go
// unchecked. (The keys fail quietly where the panel is on another screen or
// locked, as any key would.)
void firstLock(Session& s, const Event&) {
  if (!windowShown(s, WindowIndex::Mobile)) return;
  testing::pressKeys(s.panel(0), "MM24");
  testing::pressKeys(s.panel(0), "1E");
  testing::pressKeys(s.panel(0), "M1");
}

// A digit key's handler fed a character that is not a digit.
void drawStrayDigit(Draw& d, Event& e) {
  e.a = d.below(Session::kPanelCount);
  e.b = d.between(0, 255);
}
void strayDigit(Session& s, const Event& e) {
  if (e.a >= 0 && e.a < Session::kPanelCount) s.panel(e.a).DigitKey(static_cast<char>(e.b));
}

// ---- Windows -----------------------------------------------------------------------

// Every window the simulator has, by its place in the creation order; a window
// added to the simulator is shown and closed here as soon as Simulator::window()
// returns it.
constexpr int kWindowCount = static_cast<int>(WindowIndex::Prescreen) + 1;

void drawWindow(Draw& d, Event& e) {
  e.a = d.below(kWindowCount);
}
// Closing the main window ends the program: no further event reaches it, so a
// strict stream never closes it.
bool endsTheProgram(Session& s, const Event& e) {
  return !s.loose() && static_cast<WindowIndex>(e.a) == WindowIndex::Setup;
}
void showWindow(Session& s, const Event& e) {
  if (e.a >= 0 && e.a < kWindowCount) s.sim().window(static_cast<WindowIndex>(e.a)).Show();
}
void closeWindow(Session& s, const Event& e) {
  if (e.a < 0 || e.a >= kWindowCount || endsTheProgram(s, e)) return;
  s.sim().window(static_cast<WindowIndex>(e.a)).Close();
}

// ---- Setup window ------------------------------------------------------------------

void drawMenu(Draw& d, Event& e) {
  e.a = d.below(static_cast<int>(Tmenumain::menuTable().size()));
}
void menuCommand(Session& s, const Event& e) {
  const auto& table = Tmenumain::menuTable();
  if (e.a < 0 || e.a >= static_cast<int>(table.size())) return;
  const Tmenumain::MenuEntry& row = table[e.a];
  Tmenumain& w = setup(s);
  const MenuItem& item = w.*row.item;
  if (!row.click || !reachable(s, w.Visible(), item.Enabled && item.Visible)) return;
  if (!s.loose() && row.click == &Tmenumain::Exit1Click) return;  // ends the program
  (w.*row.click)();
}
void drawRadio(Draw& d, Event& e) {
  e.a = d.between(1, 4);
}
void radioButton(Session& s, const Event& e) {
  Tmenumain& w = setup(s);
  if (!setupHalfShown(s)) return;
  switch (e.a) {
    case 1:
      if (reachable(s, true, w.RadioButton1.Enabled)) w.RadioButton1Click();
      break;
    case 2:
      if (reachable(s, true, w.RadioButton2.Enabled)) w.RadioButton2Click();
      break;
    case 3:
      if (reachable(s, true, w.RadioButton3.Enabled)) w.RadioButton3Click();
      break;
    default:
      if (reachable(s, true, w.RadioButton4.Enabled)) w.RadioButton4Click();
  }
}

// The setup window's lists: 0 sector, 1 level, 2 Mk 3 address, 3 Mk 3 mobile offset.
ComboBox& setupList(Tmenumain& w, int which) {
  ComboBox* lists[] = {&w.ComboBox1, &w.ComboBox2, &w.ComboBox3, &w.ComboBox5};
  return *lists[which & 3];
}
void drawSetupList(Draw& d, Event& e) {
  e.a = d.below(4);
  e.b = d.between(-2, 11);
}
void setupListChange(Session& s, const Event& e) {
  Tmenumain& w = setup(s);
  ComboBox& box = setupList(w, e.a);
  const int n = static_cast<int>(box.Items.size());
  if (!setupHalfShown(s) || !reachable(s, true, box.Enabled)) return;
  if (!s.loose() && (e.b < 0 || e.b >= n)) return;
  void (Tmenumain::*change[])(int) = {&Tmenumain::ComboBox1Change, &Tmenumain::ComboBox2Change,
                                      &Tmenumain::ComboBox3Change, &Tmenumain::ComboBox5Change};
  (w.*change[e.a & 3])(e.b);
}
void drawBool(Draw& d, Event& e) {
  e.a = d.below(2);
}
void shuttleTanker(Session& s, const Event& e) {
  if (setupHalfShown(s) && reachable(s, true, setup(s).CheckBox2.Enabled)) {
    setup(s).CheckBox2Click(e.a != 0);
  }
}

// An edit gets the whole new text on each keystroke, as a view hands it over;
// b = 1 ends the entry (the edit loses the focus) after the text.
void drawRangeText(Draw& d, Event& e) {
  e.text = d.chance(0.85) ? d.numberish(6) : d.junk(8);
  e.b = d.chance(0.5);
}
void rangeEdit(Session& s, const Event& e) {
  Tmenumain& w = setup(s);
  if (!setupHalfShown(s) || !reachable(s, true, w.MaskEdit1.Enabled)) return;
  w.MaskEdit1Change(e.text);
  if (e.b) w.MaskEdit1Exit();
}
void drawFreqText(Draw& d, Event& e) {
  e.text = d.chance(0.5) ? "9" + std::to_string(d.between(100, 450)) : d.numberish(5);
  e.b = d.chance(0.6);
}
void mk3FreqEdit(Session& s, const Event& e) {
  Tmenumain& w = setup(s);
  if (!setupHalfShown(s) || !reachable(s, true, w.MaskEdit2.Enabled)) return;
  w.MaskEdit2Change(e.text);
  if (e.b) w.MaskEdit2Exit();
}
void drawSetupButton(Draw& d, Event& e) {
  e.a = d.below(3);
}
void setupButton(Session& s, const Event& e) {
  Tmenumain& w = setup(s);
  if (e.a == 2) {  // the window becomes the active one
    if (reachable(s, w.Visible(), true)) w.FormActivate();
    return;
  }
  if (!setupHalfShown(s)) return;
  if (e.a == 0) w.BitBtn1Click();  // "Exit Setup"
  if (e.a == 1) w.BitBtn2Click();  // "Setup Telegrams"
}

// ---- Serial output ---------------------------------------------------------------

// 0 port, 1 baud rate, 2 data bits, 3 parity, 4 stop bits, 5 rate, 6 telegram type.
ComboBox& serialList(SerialOutput& o, int which) {
  ComboBox* lists[] = {&o.coms,     &o.baudrate,   &o.databits, &o.parity,
                       &o.stopbits, &o.updaterate, &o.telegrams};
  return *lists[which];
}
constexpr int kSerialLists = 7;
void drawSerialList(Draw& d, Event& e) {
  e.a = d.below(kSerialLists);
  e.b = d.between(-2, 13);
}
void serialListChange(Session& s, const Event& e) {
  if (e.a < 0 || e.a >= kSerialLists || !telegramHalfShown(s)) return;
  SerialOutput& o = serial(s);
  ComboBox& box = serialList(o, e.a);
  if (!reachable(s, true, box.Enabled)) return;
  const bool inList = e.b >= 0 && e.b < static_cast<int>(box.Items.size());
  if (!s.loose() && !inList) return;
  // An item picked in an enabled list is the operator's choice, which the port uses.
  const bool chosen = box.Enabled && inList;
  void (SerialOutput::*change[])(int) = {
      &SerialOutput::comsChange,     &SerialOutput::baudrateChange, &SerialOutput::databitsChange,
      &SerialOutput::parityChange,   &SerialOutput::stopbitsChange, &SerialOutput::updaterateChange,
      &SerialOutput::telegramsChange};
  (o.*change[e.a])(e.b);
  if (chosen && e.a < Session::kLineLists) s.operatorChose(e.a, e.b);
}
void drawBox(Draw& d, Event& e) {
  e.a = d.below(2);
  e.b = d.chance(0.7);
}
// 0 "Serial Output On", 1 "Output Controled by Sim."; a click toggles the box, so a
// strict click always carries the opposite of the box's state.
void serialBox(Session& s, const Event& e) {
  if (!telegramHalfShown(s)) return;
  SerialOutput& o = serial(s);
  CheckBox& box = e.a == 0 ? o.comport : o.CheckBox1;
  if (!reachable(s, true, box.Enabled)) return;
  const bool checked = s.loose() ? e.b != 0 : !box.Checked;
  if (e.a == 0) o.comportClick(checked);
  if (e.a == 1) o.CheckBox1Click(checked);
}
// The Mobile panel's PER. pages fed texts no page shows.
void drawPerTexts(Draw& d, Event& e) {
  e.a = d.below(2);
  e.text = d.junk(14);
}
void perTexts(Session& s, const Event& e) {
  if (e.a == 0) serial(s).followMobilePerConnection(e.text, e.text, e.text);
  if (e.a == 1) serial(s).followMobileOutTelegram(e.text);
}

// 0 "TCP server", 1 "UDP".
void networkBox(Session& s, const Event& e) {
  if (!telegramHalfShown(s)) return;
  NetworkOutput& n = serial(s).Network;
  CheckBox& box = e.a == 0 ? n.tcpServer : n.udp;
  if (!reachable(s, true, box.Enabled)) return;
  const bool checked = s.loose() ? e.b != 0 : !box.Checked;
  if (e.a == 0) n.tcpServerClick(checked);
  if (e.a == 1) n.udpClick(checked);
}
// 0 the TCP port, 1 the UDP port, 2 the UDP host; mostly numbers, some junk.
void drawNetworkText(Draw& d, Event& e) {
  e.a = d.below(3);
  e.text = d.chance(0.8) ? d.numberish(6) : d.junk(12);
}
void networkEdit(Session& s, const Event& e) {
  if (!telegramHalfShown(s)) return;
  NetworkOutput& n = serial(s).Network;
  if (e.a == 0) n.tcpPortChange(e.text);
  if (e.a == 1) n.udpPortChange(e.text);
  if (e.a == 2) n.udpHostChange(e.text);
}

// ---- The world outside: serial line, network, message boxes, time ---------------

void writesRefused(Session& s, const Event& e) {
  s.rig().serial.refuseWrites = e.a != 0;
}
void drawNothing(Draw&, Event&) {}
void portVanishes(Session& s, const Event&) {
  s.rig().serial.vanish();
}
void drawPort(Draw& d, Event& e) {
  e.a = d.between(1, 12);
  e.b = d.below(2);
}
// b = 1: COM PORT a goes missing (or is taken by another program); 0: it is back.
void portMissing(Session& s, const Event& e) {
  std::vector<int>& missing = s.rig().serial.missing;
  std::erase(missing, e.a);
  if (e.b) missing.push_back(e.a);
}
// b = 1: from now on every TCP port is in use (a = 0) or every UDP host unknown
// (a = 1); b = 0: no longer.
void networkRefuses(Session& s, const Event& e) {
  bool& refusing = e.a == 0 ? s.rig().network.portsInUse : s.rig().network.hostsUnknown;
  refusing = e.b != 0;
}
// The TCP server (a = 0) or the UDP channel stops by itself.
void networkFails(Session& s, const Event& e) {
  s.rig().network.failNamingItself(e.a == 0 ? NetworkChannel::TcpServer : NetworkChannel::Udp);
}
void messageAnswer(Session& s, const Event& e) {
  s.rig().dialogs.answer = e.a ? MessageBoxes::Answer::Cancel : MessageBoxes::Answer::Ok;
}
// Mostly moments, sometimes a while, now and then minutes.
void drawTime(Draw& d, Event& e) {
  const int r = d.below(100);
  e.a = r < 70   ? d.between(1, 1000)
        : r < 95 ? d.between(1000, 10000)
        : r < 99 ? d.between(10000, 60000)
                 : d.between(60000, 300000);
}
void timePasses(Session& s, const Event& e) {
  if (e.a > 0) s.rig().advance(e.a);
}

// ---- Auxiliary windows ----------------------------------------------------------

void drawSlider(Draw& d, Event& e) {
  e.a = d.below(5);
  e.b = d.chance(0.1) ? d.between(-100, 3100) : d.between(0, 3000);
}
// 0..2 "Increase", "Decrease", "Close"; otherwise the slider is dragged to b.
void distanceAdjust(Session& s, const Event& e) {
  Tafstmenu& w = s.sim().distanceAdjust();
  if (!windowShown(s, WindowIndex::DistanceAdjust)) return;
  if (e.a == 0) w.BitBtn2Click();
  if (e.a == 1) w.BitBtn3Click();
  if (e.a == 2) w.BitBtn1Click();
  if (e.a >= 3) w.TrackBar1Change(e.b);
}
void drawConfigBox(Draw& d, Event& e) {
  e.a = d.between(0, 7);
  e.b = d.below(2);
}
void configView(Session& s, const Event& e) {
  Tconfigview& w = s.sim().configView();
  if (!windowShown(s, WindowIndex::ConfigView)) return;
  if (e.a == 0) {
    w.BitBtn1Click();
    return;
  }
  if (!s.loose() && !w.checkBox(e.a)) return;
  w.CheckBoxClick(e.a, e.b != 0);
}
void drawAlignmentArrow(Draw& d, Event& e) {
  e.a = d.below(3);
}
// 0 next picture, 1 previous, 2 "Close".
void alignmentArrow(Session& s, const Event& e) {
  TAlignfix& w = s.sim().alignmentWindow();
  if (!windowShown(s, WindowIndex::Alignment)) return;
  if (e.a == 0) w.Image1Click();
  if (e.a == 1) w.Image2Click();
  if (e.a == 2) w.BitBtn3Click();
}
void aboutBox(Session& s, const Event& e) {
  if (!windowShown(s, WindowIndex::About)) return;
  if (e.a == 0) s.sim().aboutBox().aboutbtncloseClick();
  if (e.a == 1) s.sim().aboutBox().ProgramIconClick();
}

}  // namespace

const std::vector<EventKind>& eventTable() {
  static const std::vector<EventKind> table = {
      // Station panels: a = panel (Mobile, Fix, Beacon), b = key.
      {"key", 40, false, drawKey, keyPress},
      {"release", 6, false, drawSlewUp, keyRelease},
      {"tap", 6, false, drawKey, keyTap},
      {"strayDigit", 3, true, drawStrayDigit, strayDigit},
      {"firstLock", 1, false, drawNothing, firstLock},
      // Any window by its creation index.
      {"show", 6, false, drawWindow, showWindow},
      {"close", 3, false, drawWindow, closeWindow},
      // Setup window.
      {"menu", 8, false, drawMenu, menuCommand},
      {"radio", 2, false, drawRadio, radioButton},
      {"setupList", 3, false, drawSetupList, setupListChange},
      {"shuttle", 1, false, drawBool, shuttleTanker},
      {"range", 3, false, drawRangeText, rangeEdit},
      {"mk3Freq", 2, false, drawFreqText, mk3FreqEdit},
      {"setupButton", 3, false, drawSetupButton, setupButton},
      // Serial output.
      {"serialList", 4, false, drawSerialList, serialListChange},
      {"serialBox", 4, false, drawBox, serialBox},
      {"perTexts", 1, true, drawPerTexts, perTexts},
      {"networkBox", 2, false, drawBox, networkBox},
      {"networkEdit", 2, false, drawNetworkText, networkEdit},
      // The world outside.
      {"writesRefused", 1, false, drawBool, writesRefused},
      {"portVanishes", 1, false, drawNothing, portVanishes},
      {"portMissing", 1, false, drawPort, portMissing},
      {"networkRefuses", 1, false, drawBox, networkRefuses},
      {"networkFails", 1, false, drawBox, networkFails},
      {"answer", 2, false, drawBool, messageAnswer},
      {"time", 14, false, drawTime, timePasses},
      // Auxiliary windows' own controls.
      {"distance", 3, false, drawSlider, distanceAdjust},
      {"config", 2, false, drawConfigBox, configView},
      {"about", 1, false, drawBool, aboutBox},
      {"alignmentArrow", 3, false, drawAlignmentArrow, alignmentArrow},
  };
  return table;
}

bool applyEvent(Session& s, const Event& e) {
  static const auto byName = [] {
    std::unordered_map<std::string, const EventKind*> m;
    for (const EventKind& k : eventTable()) m[k.name] = &k;
    return m;
  }();
  const auto it = byName.find(e.name);
  if (it == byName.end()) return false;
  it->second->apply(s, e);
  return true;
}

EventStream::EventStream(unsigned seed, bool loose) : draw_(seed), engine_(seed ^ 0x9e3779b9u) {
  std::vector<double> weights;
  for (const EventKind& k : eventTable()) {
    if (k.looseOnly && !loose) continue;
    kinds_.push_back(&k);
    weights.push_back(k.weight);
  }
  pick_ = std::discrete_distribution<int>(weights.begin(), weights.end());
}

Event EventStream::next() {
  const EventKind& kind = *kinds_[pick_(engine_)];
  Event e;
  e.name = kind.name;
  kind.draw(draw_, e);
  return e;
}

}  // namespace kestrom::random_events
