#include "random_events/event.h"

#include <fstream>
#include <sstream>

namespace kestrom::random_events {

std::string toLine(const Event& e) {
  return e.name + ' ' + std::to_string(e.a) + ' ' + std::to_string(e.b) + " |" + e.text + '|';
}

std::optional<Event> fromLine(const std::string& line) {
  if (line.empty() || line[0] == '#') return std::nullopt;
  const std::size_t open = line.find('|');
  const std::size_t close = line.rfind('|');
  if (open == std::string::npos || close == open) return std::nullopt;
  std::istringstream head(line.substr(0, open));
  Event e;
  if (!(head >> e.name >> e.a >> e.b)) return std::nullopt;
  e.text = line.substr(open + 1, close - open - 1);
  return e;
}

std::vector<Event> readEventFile(const std::string& path, std::string* error) {
  std::ifstream in(path);
  std::vector<Event> events;
  if (!in) {
    if (error) *error = "cannot read " + path;
    return events;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    if (std::optional<Event> e = fromLine(line)) {
      events.push_back(*e);
    } else if (error) {
      std::string message = path;
      message += ":" + std::to_string(number) + ": not an event: ";
      message += line;
      *error = message;
      return {};
    }
  }
  return events;
}

bool writeEventFile(const std::string& path, const std::vector<Event>& events,
                    const std::string& header) {
  std::ofstream out(path);
  if (!out) return false;
  std::istringstream lines(header);
  for (std::string line; std::getline(lines, line);) out << "# " << line << '\n';
  for (const Event& e : events) out << toLine(e) << '\n';
  return static_cast<bool>(out);
}

}  // namespace kestrom::random_events
