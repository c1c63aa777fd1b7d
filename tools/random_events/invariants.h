#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/extended.h"
#include "core/seams.h"

namespace kestrom {
struct SimulationState;
class SerialOutput;
}  // namespace kestrom

namespace kestrom::random_events {

class Session;

// What must hold after every event, whatever the trainee did. Each check returns
// a description of the first thing it finds broken, or nothing.
std::optional<std::string> checkInvariants(Session& s);

// The single checks, for the tester's own tests.
std::optional<std::string> statusLineFault(const SimulationState& s);
std::optional<std::string> optionCodeFault(const SimulationState& s);
std::optional<std::string> angleFault(const SimulationState& s);
std::optional<std::string> lockFault(const SimulationState& s);
std::optional<std::string> storedNumberFault(const SimulationState& s);
std::optional<std::string> displayFault(Session& s);
std::optional<std::string> timerFault(Session& s);
std::optional<std::string> messageFault(Session& s);

// The Mobile's lamp shows lock and every link condition holds: the only time a
// telegram may report lock.
bool linkUp(Session& s);

// A telegram of `type` as written to the port: its format's length, digits and
// ending, sent only while output is on, lock reported only while the link is up.
std::optional<std::string> telegramFault(const std::string& bytes, int type, bool outputOn,
                                         bool linkUp);

// What a telegram is built from, taken from the shared record as it is written.
struct TelegramRecord {
  int type = 0;                 // OutputTelegramType
  bool locked = false;          // the Mobile's lamp lit green: lock for the telegrams
  Extended distance = 0;        // Distance, metres
  Extended fixAzimuth = 0;      // FixAzimuth; the telegram reports its reciprocal
  Extended antennaBearing = 0;  // AntennaBearing
  bool mk3Mobile = false;       // the Mobile is configured AS MK3M
};

// A telegram's values read back from its bytes by its own format's layout (the
// BCD types by their own digit rules, not only their lengths) against the record:
// the lock flag, the distance, the reciprocal of the fix azimuth and the bearing,
// each scaled and cut off to its field, never rounded up.
std::optional<std::string> telegramValueFault(const std::string& bytes, const TelegramRecord& r);
// Every telegram the last event wrote, to the port and to the network.
std::optional<std::string> telegramValuesFault(Session& s);

// `count` telegrams in `elapsedMs` of simulated time at `perSecond`: no more than
// one for each interval begun and, when every slot sends one, no fewer than one for
// each whole interval (the first and last intervals may be partial).
std::optional<std::string> telegramCountFault(int count, std::int64_t elapsedMs, int perSecond,
                                              bool everySlotSends);
// The serial port's and the network's count since each came on, or since the rate
// or the kind of telegram last changed, against the rate the list shows.
std::optional<std::string> telegramRateFault(Session& s);

// The open port's number and line settings against the items the operator last
// picked in the port, baud rate, data bits, parity and stop bits lists.
std::optional<std::string> lineSettingsFault(Session& s);

// A message the network output showed for a channel that could not start or that
// stopped: it names the port the operator typed (the TCP server), or the host or
// the port (UDP).
std::optional<std::string> networkMessageFault(const std::string& message, NetworkChannel channel,
                                               const std::string& typedPort,
                                               const std::string& typedHost);
// Every such message of the last event.
std::optional<std::string> networkMessagesFault(Session& s);

// Which of the telegram half's controls are locked: a ticked network box locks its
// port and host; either serial box greys out the other, and "Output Controled by
// Sim." locks the line and telegram lists; the port and rate lists and the network
// boxes are never locked.
std::optional<std::string> lockedControlFault(const SerialOutput& out);

// The whole number a list item starts with ("4 Telegrams per Sec." gives 4).
std::optional<int> leadingNumber(std::string_view text);

// Longest text a display cell may hold.
inline constexpr std::size_t kCellChars = 26;

}  // namespace kestrom::random_events
