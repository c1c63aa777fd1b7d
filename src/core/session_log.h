#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/seams.h"

namespace kestrom {

class Scheduler;

// One line of the session log. `what`, `before`, `after` and `detail` depend on
// the kind:
//   key      panel, key legend, screen before, screen after
//   enter    panel, "stored" / "refused" / "no action", screen, -, what the
//            screen held or the message that refused it
//   message  -, message kind, -, -, its text
//   inbeam   "Mobile", "entered" / "left"
//   lock     "Mobile", "gained" / "lost", -, -, the conditions that failed
//   alarm    "Setup", "raised" / "accepted", -, -, its text
//   setup    "Setup", the setting, -, -, its new value
//   output   "Setup", the output, -, -, "on" / "off"
struct LogEntry {
  enum class Kind { Key, Enter, Message, InBeam, Lock, Alarm, Setup, Output };
  std::int64_t timeMs = 0;  // simulation time
  Kind kind = Kind::Key;
  std::string panel;
  std::string what;
  std::string before;
  std::string after;
  std::string detail;
};

const char* kindName(LogEntry::Kind kind);

// What the instructor reads first: times are simulation milliseconds.
struct SessionSummary {
  std::optional<std::int64_t> firstInBeamMs;
  std::optional<std::int64_t> firstLockMs;
  int enterRefusals = 0;
  int lockLosses = 0;
};

// The debrief log of what the trainee did, stamped with simulation time. It is
// the simulator's activity log; listeners see each line as it is added.
class SessionLog : public ActivityLog {
 public:
  explicit SessionLog(const Scheduler& scheduler) : scheduler_(scheduler) {}

  void key(const std::string& panel, const std::string& key, int screenBefore,
           int screenAfter) override;
  void enter(const std::string& panel, int screen, const std::string& stored) override;
  void message(const std::string& kind, const std::string& text) override;
  void link(bool inBeam, bool locked, const std::string& failed) override;
  void alarm(bool raised, const std::string& text) override;
  void setupChanged(const std::string& what, const std::string& value) override;
  void output(const std::string& what, bool on) override;

  const std::vector<LogEntry>& entries() const { return entries_; }
  const SessionSummary& summary() const { return summary_; }
  void addListener(std::function<void(const LogEntry&)> listener) {
    listeners_.push_back(std::move(listener));
  }

 private:
  void add(LogEntry::Kind kind, std::string panel, std::string what, std::string before = {},
           std::string after = {}, std::string detail = {});
  void flushEnter();

  const Scheduler& scheduler_;
  std::vector<LogEntry> entries_;
  SessionSummary summary_;
  std::vector<std::function<void(const LogEntry&)>> listeners_;
  std::optional<LogEntry> openEnter_;  // an ENTER whose key has not ended yet
  bool inBeam_ = false;
  bool locked_ = false;
  std::vector<std::pair<std::string, bool>> outputs_;
};

// Simulation time in seconds with three decimals and a '.', in every locale.
std::string secondsText(std::int64_t ms);
// The summary as one line of text.
std::string summaryText(const SessionSummary& summary);

// The log as CSV: a header row, then one row per entry, fields quoted where they
// hold a comma, a quote or a line break (quotes doubled), lines ended by CRLF.
std::string csvHeader();
std::string csvRow(const LogEntry& entry);
std::string toCsv(const std::vector<LogEntry>& entries);
// The log as JSON Lines: one object per entry and line.
std::string jsonLine(const LogEntry& entry);
std::string toJsonLines(const std::vector<LogEntry>& entries);

// Writes each entry of a log to a file as it is added, flushed line by line so a
// crash loses nothing. A name ending ".jsonl" or ".json" gets JSON Lines, any
// other CSV.
class SessionLogFile {
 public:
  SessionLogFile() = default;
  ~SessionLogFile();
  SessionLogFile(const SessionLogFile&) = delete;
  SessionLogFile& operator=(const SessionLogFile&) = delete;

  // Empty on success, otherwise why the file cannot be written.
  std::string open(const std::string& path);
  bool isOpen() const { return file_ != nullptr; }
  void write(const LogEntry& entry);

 private:
  std::FILE* file_ = nullptr;
  bool json_ = false;
};

}  // namespace kestrom
