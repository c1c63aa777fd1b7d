#include "random_events/session.h"

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "random_events/event.h"
#include "random_events/event_table.h"
#include "random_events/invariants.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"

namespace kestrom::random_events {

Session::Session(unsigned seed, bool loose) : loose_(loose) {
  rig_.random = testing::FakeRandom(seed);
  rig_.serial.onWrite = [this](const std::string& bytes) { checkTelegram(bytes, false); };
  rig_.network.onSend = [this](const std::string& bytes) { checkTelegram(bytes, true); };
  rig_.sim.start();
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
  if (std::optional<std::string> fault =
          telegramFault(bytes, state().OutputTelegramType, outputOn, linkUp(*this))) {
    seen_.telegramFaults.push_back(*fault);
  }
}

// What a view does after each event: a message a failing port left is shown now.
void Session::showPendingMessage() {
  SerialOutput& out = sim().setupWindow().Serial;
  if (out.takePendingMessage()) ++seen_.portMessages;
  out.Network.takePendingMessage();
}

std::optional<std::string> Session::run(const Event& e) {
  seen_ = Seen{};
  seen_.timeEvent = e.name == "time";
  seen_.sendingBefore = sim().setupWindow().Serial.Sending();
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
  showPendingMessage();
  return checkInvariants(*this);
}

}  // namespace kestrom::random_events
