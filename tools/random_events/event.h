#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrom::random_events {

// One user action (or one stretch of time) as the tester feeds it: the name of its
// kind in the event table, two whole-number arguments and a text. An event is
// written as one line, `name a b |text|`, so that a list of events can be stored
// and replayed.
struct Event {
  std::string name;
  int a = 0;
  int b = 0;
  std::string text;

  bool operator==(const Event&) const = default;
};

std::string toLine(const Event& e);
// Reads a line written by toLine(); nothing for a blank line, a comment (#) or a
// line that is not an event.
std::optional<Event> fromLine(const std::string& line);

std::vector<Event> readEventFile(const std::string& path, std::string* error);
bool writeEventFile(const std::string& path, const std::vector<Event>& events,
                    const std::string& header);

}  // namespace kestrom::random_events
