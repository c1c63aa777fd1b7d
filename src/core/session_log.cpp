#include "core/session_log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "core/scheduler.h"

namespace kestrom {

const char* kindName(LogEntry::Kind kind) {
  static constexpr const char* names[] = {"key",  "enter", "message", "inbeam",
                                          "lock", "alarm", "setup",   "output"};
  return names[static_cast<int>(kind)];
}

void SessionLog::add(LogEntry::Kind kind, std::string panel, std::string what, std::string before,
                     std::string after, std::string detail) {
  entries_.push_back({scheduler_.now(), kind, std::move(panel), std::move(what), std::move(before),
                      std::move(after), std::move(detail)});
  const LogEntry& e = entries_.back();
  if (e.kind == LogEntry::Kind::Enter && e.what == "refused") ++summary_.enterRefusals;
  if (e.kind == LogEntry::Kind::Lock && e.what == "lost") ++summary_.lockLosses;
  if (e.kind == LogEntry::Kind::Lock && e.what == "gained" && !summary_.firstLockMs)
    summary_.firstLockMs = e.timeMs;
  if (e.kind == LogEntry::Kind::InBeam && e.what == "entered" && !summary_.firstInBeamMs)
    summary_.firstInBeamMs = e.timeMs;
  for (const auto& listener : listeners_) listener(e);
}

void SessionLog::flushEnter() {
  if (!openEnter_) return;
  LogEntry e = std::move(*openEnter_);
  openEnter_.reset();
  add(e.kind, std::move(e.panel), std::move(e.what), std::move(e.before), {}, std::move(e.detail));
}

void SessionLog::key(const std::string& panel, const std::string& key, int screenBefore,
                     int screenAfter) {
  add(LogEntry::Kind::Key, panel, key, std::to_string(screenBefore), std::to_string(screenAfter));
  flushEnter();
}

void SessionLog::enter(const std::string& panel, int screen, const std::string& stored) {
  flushEnter();
  openEnter_ = LogEntry{0,
                        LogEntry::Kind::Enter,
                        panel,
                        stored.empty() ? "no action" : "stored",
                        std::to_string(screen),
                        {},
                        stored};
}

void SessionLog::message(const std::string& kind, const std::string& text) {
  if (openEnter_ && kind == "error" && openEnter_->what != "refused") {
    openEnter_->what = "refused";
    openEnter_->detail = text;
    return;
  }
  add(LogEntry::Kind::Message, {}, kind, {}, {}, text);
}

void SessionLog::link(bool inBeam, bool locked, const std::string& failed) {
  if (inBeam && !inBeam_) add(LogEntry::Kind::InBeam, "Mobile", "entered");
  if (locked != locked_)
    add(LogEntry::Kind::Lock, "Mobile", locked ? "gained" : "lost", {}, {}, locked ? "" : failed);
  if (!inBeam && inBeam_) add(LogEntry::Kind::InBeam, "Mobile", "left", {}, {}, failed);
  inBeam_ = inBeam;
  locked_ = locked;
}

void SessionLog::alarm(bool raised, const std::string& text) {
  add(LogEntry::Kind::Alarm, "Setup", raised ? "raised" : "accepted", {}, {}, text);
}

void SessionLog::setupChanged(const std::string& what, const std::string& value) {
  add(LogEntry::Kind::Setup, "Setup", what, {}, {}, value);
}

void SessionLog::output(const std::string& what, bool on) {
  auto known = std::find_if(outputs_.begin(), outputs_.end(),
                            [&](const auto& o) { return o.first == what; });
  if (known == outputs_.end()) {
    outputs_.emplace_back(what, false);
    known = std::prev(outputs_.end());
  }
  if (known->second == on) return;
  known->second = on;
  add(LogEntry::Kind::Output, "Setup", what, {}, {}, on ? "on" : "off");
}

// ---- Texts -----------------------------------------------------------------------

std::string secondsText(std::int64_t ms) {
  const bool negative = ms < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(ms) : ms;
  std::string fraction = std::to_string(magnitude % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return (negative ? "-" : "") + std::to_string(magnitude / 1000) + "." + fraction;
}

std::string summaryText(const SessionSummary& s) {
  auto time = [](const std::optional<std::int64_t>& ms) {
    return ms ? secondsText(*ms) + " s" : std::string("not yet");
  };
  return "First in beam: " + time(s.firstInBeamMs) + "   First lock: " + time(s.firstLockMs) +
         "   ENTER refusals: " + std::to_string(s.enterRefusals) +
         "   Lock losses: " + std::to_string(s.lockLosses);
}

namespace {

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      static constexpr char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[u >> 4];
      out += hex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string csvHeader() {
  return "time_s,kind,panel,what,before,after,detail\r\n";
}

std::string csvRow(const LogEntry& e) {
  std::string row = secondsText(e.timeMs) + "," + kindName(e.kind);
  for (const std::string* field : {&e.panel, &e.what, &e.before, &e.after, &e.detail})
    row += "," + csvField(*field);
  return row + "\r\n";
}

std::string toCsv(const std::vector<LogEntry>& entries) {
  std::string out = csvHeader();
  for (const LogEntry& e : entries) out += csvRow(e);
  return out;
}

std::string jsonLine(const LogEntry& e) {
  std::string line =
      "{\"time_s\":" + secondsText(e.timeMs) + ",\"kind\":\"" + kindName(e.kind) + "\"";
  const std::pair<const char*, const std::string*> fields[] = {{"panel", &e.panel},
                                                               {"what", &e.what},
                                                               {"before", &e.before},
                                                               {"after", &e.after},
                                                               {"detail", &e.detail}};
  for (const auto& [name, value] : fields)
    line += std::string(",\"") + name + "\":" + jsonString(*value);
  return line + "}\n";
}

std::string toJsonLines(const std::vector<LogEntry>& entries) {
  std::string out;
  for (const LogEntry& e : entries) out += jsonLine(e);
  return out;
}

// ---- File --------------------------------------------------------------------------

SessionLogFile::~SessionLogFile() {
  if (file_) std::fclose(file_);
}

std::string SessionLogFile::open(const std::string& path) {
  if (file_) std::fclose(file_);
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_)
    return "The session log cannot be written to \"" + path + "\": " + std::strerror(errno) + ".";
  auto endsWith = [&](const char* end) {
    const std::size_t n = std::strlen(end);
    return path.size() >= n && path.compare(path.size() - n, n, end) == 0;
  };
  json_ = endsWith(".jsonl") || endsWith(".json");
  if (!json_) {
    const std::string header = csvHeader();
    std::fwrite(header.data(), 1, header.size(), file_);
    std::fflush(file_);
  }
  return {};
}

void SessionLogFile::write(const LogEntry& entry) {
  if (!file_) return;
  const std::string line = json_ ? jsonLine(entry) : csvRow(entry);
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}

}  // namespace kestrom
