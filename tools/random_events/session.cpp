#include "random_events/session.h"

#include <string_view>

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "random_events/event.h"
#include "random_events/event_table.h"
#include "random_events/invariants.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "setup/simulation_state.h"
#include "setup/string_to_float.h"

namespace kestrom::random_events {

Session::Session(unsigned seed, bool loose) : loose_(loose) {
  rig_.random = testing::FakeRandom(seed);
  rig_.serial.onWrite = [this](const std::string& bytes) { checkTelegram(bytes, false); };
  rig_.network.onSend = [this](const std::string& bytes) { checkTelegram(bytes, true); };
  rig_.sim.start();
  const SerialOutput& out = sim().setupWindow().Serial;
  chosen_ = {out.coms.ItemIndex, out.baudrate.ItemIndex, out.databits.ItemIndex,
             out.parity.ItemIndex, out.stopbits.ItemIndex};
  windows_ = currentRates();
}

StationPanel& Session::panel(int i) {
  if (i == 1) return sim().fixPanel();
  if (i == 2) return sim().beaconPanel();
  return sim().mobilePanel();
}

void Session::checkTelegram(const std::string& bytes, bool network) {
  const SerialOutput& out = sim().setupWindow().Serial;
  const bool boxOn = network ? out.Network.running() : out.comport.Checked || out.CheckBox1.Checked;
  const bool outputOn = out.Timer4.Enabled() && boxOn;
  const SimulationState& st = state();
  if (std::optional<std::string> fault =
          telegramFault(bytes, st.OutputTelegramType, outputOn, linkUp(*this))) {
    seen_.telegramFaults.push_back(*fault);
  }
  // The record as the telegram was built from it: the tick draws the distance,
  // builds the telegram and writes it with nothing in between.
  TelegramRecord r;
  r.type = st.OutputTelegramType;
  r.locked = sim().mobilePanel().Tracking.lockedForTelegrams();
  r.distance = st.Distance;
  r.fixAzimuth = st.FixAzimuth;
  r.antennaBearing = st.AntennaBearing;
  r.mk3Mobile = st.MobileUnitRole == text::AsMk3M;
  seen_.telegrams.push_back({bytes, r, network});
  ++windows_[network ? 1 : 0].count;
}

// What a view does after each event: a message a failing port or network channel
// left is shown now.
void Session::showPendingMessages() {
  SerialOutput& out = sim().setupWindow().Serial;
  if (out.takePendingMessage()) ++seen_.portMessages;
  pendingNetwork_.clear();
  while (std::optional<std::string> m = out.Network.takePendingMessage()) {
    pendingNetwork_.push_back(std::move(*m));
  }
}

// The messages of a network box that could not start its channel, and of a channel
// that stopped by itself: the one whose box the event cleared.
void Session::noteNetworkMessages(const Event& e) {
  const NetworkOutput& n = sim().setupWindow().Serial.Network;
  auto note = [&](NetworkChannel channel, const std::string& text) {
    const bool tcp = channel == NetworkChannel::TcpServer;
    seen_.networkMessages.push_back(
        {channel, text, tcp ? tcpPortBefore_ : udpPortBefore_, tcp ? "" : udpHostBefore_});
  };
  if (e.name == "networkBox" && (e.a == 0 || e.a == 1)) {
    for (const testing::RecordingDialogs::Shown& m : rig_.dialogs.shown) {
      // Texts the operator's own input gets before the network is asked.
      const std::string& t = m.text;
      if (t == NetworkOutput::kBadTcpPort || t == NetworkOutput::kBadUdpPort ||
          t == NetworkOutput::kNoUdpHost) {
        continue;
      }
      note(e.a == 0 ? NetworkChannel::TcpServer : NetworkChannel::Udp, t);
    }
  }
  const bool tcpStopped = tcpBefore_ && !n.tcpServer.Checked;
  const bool udpStopped = udpBefore_ && !n.udp.Checked;
  if (tcpStopped == udpStopped) return;  // a notice of a running channel, or no telling
  for (const std::string& t : pendingNetwork_) {
    note(tcpStopped ? NetworkChannel::TcpServer : NetworkChannel::Udp, t);
  }
}

// The serial output (0) and the network output (1) as they are now: on, the rate
// the list shows and whether every slot sends a telegram (an ASCII type, sent in
// and out of lock, and a range that is a number with the jitter digits after it).
std::array<Session::RateWindow, 2> Session::currentRates() {
  const Tmenumain& w = sim().setupWindow();
  const SerialOutput& out = w.Serial;
  RateWindow r;
  r.perSecond = leadingNumber(out.updaterate.Text()).value_or(0);
  r.start = rig_.sim.scheduler().now();
  std::array<RateWindow, 2> rates = {r, r};
  rates[0].on = out.comport.Checked || out.CheckBox1.Checked;
  rates[1].on = out.Network.running();
  const int type = state().OutputTelegramType;
  if ((rates[0].on || rates[1].on) && type >= 1 && type <= 3) {
    std::string_view range = w.RangeDigits();
    while (!range.empty() && range.front() == ' ') range.remove_prefix(1);
    while (!range.empty() && range.back() == ' ') range.remove_suffix(1);
    const bool sends = StringToFloat(std::string(range) + "30").has_value();
    for (RateWindow& rate : rates) rate.everySlotSends = rate.on && sends;
  }
  return rates;
}

// A window goes on while its output stays on and nothing that decides the count
// changes; a change starts a new one from now.
void Session::followRates() {
  const std::array<RateWindow, 2> now = currentRates();
  for (int i = 0; i < 2; ++i) {
    cut_[i].reset();
    RateWindow& w = windows_[i];
    if (now[i].on == w.on && now[i].perSecond == w.perSecond &&
        now[i].everySlotSends == w.everySlotSends) {
      continue;
    }
    if (seen_.timeEvent && w.on) cut_[i] = w;
    w = now[i];
  }
}

std::optional<std::string> Session::run(const Event& e) {
  seen_ = Seen{};
  seen_.timeEvent = e.name == "time";
  seen_.sendingBefore = sim().setupWindow().Serial.Sending();
  const NetworkOutput& n = sim().setupWindow().Serial.Network;
  tcpBefore_ = n.tcpServer.Checked;
  udpBefore_ = n.udp.Checked;
  tcpPortBefore_ = n.tcpPort.Text;
  udpPortBefore_ = n.udpPort.Text;
  udpHostBefore_ = n.udpHost.Text;
  testing::RecordingDialogs& dialogs = rig_.dialogs;
  dialogs.shown.clear();
  rig_.serial.writes.clear();
  rig_.network.sent.clear();
  rig_.tone.played.clear();
  if (!applyEvent(*this, e)) return "unknown event: " + e.name;
  seen_.messageBoxes = static_cast<int>(dialogs.shown.size());
  for (const auto& m : dialogs.shown) {
    if (m.text == SerialOutput::kNotAvailable) ++seen_.portMessages;
  }
  showPendingMessages();
  noteNetworkMessages(e);
  followRates();
  return checkInvariants(*this);
}

}  // namespace kestrom::random_events
