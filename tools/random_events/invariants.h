#pragma once

#include <optional>
#include <string>

namespace kestrom {
struct SimulationState;
}

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

// Longest text a display cell may hold.
inline constexpr std::size_t kCellChars = 26;

}  // namespace kestrom::random_events
