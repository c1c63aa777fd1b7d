#include "core/session_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "setup/setup_window.h"
#include "support/mobile_panel_test.h"

namespace kestrom {
namespace {

using Kind = LogEntry::Kind;

class SessionLogTest : public testing::MobilePanelTest {
 protected:
  const std::vector<LogEntry>& log() { return rig.sim.sessionLog().entries(); }
  const SessionSummary& summary() { return rig.sim.sessionLog().summary(); }
  const LogEntry* last(Kind kind) {
    for (auto e = log().rbegin(); e != log().rend(); ++e)
      if (e->kind == kind) return &*e;
    return nullptr;
  }
};

TEST_F(SessionLogTest, AFirstLockIsLoggedOnSimulationTimeWithItsSummary) {
  s.FixAzimuth = 50;
  s.AntennaDirection = 40;
  const int before = panel.MenuState;
  keys("M");
  ASSERT_EQ(log().size(), 1u);
  EXPECT_EQ(log()[0].kind, Kind::Key);
  EXPECT_EQ(log()[0].panel, "Mobile");
  EXPECT_EQ(log()[0].what, "MENU");
  EXPECT_EQ(log()[0].before, std::to_string(before));
  EXPECT_EQ(log()[0].after, "0");

  rig.advance(1000);  // two cycles ten degrees off: nothing to log
  EXPECT_EQ(log().size(), 1u);
  s.AntennaDirection = 49;
  rig.advance(500);
  s.AntennaDirection = 50;
  rig.advance(500);
  rig.advance(1000);  // the lock holds: no more lines
  s.MobileOperatingMode = text::StandBy;
  rig.advance(500);

  struct Expected {
    Kind kind;
    std::int64_t ms;
    const char* what;
    const char* detail;
  };
  const Expected expected[] = {{Kind::InBeam, 1500, "entered", ""},
                               {Kind::Lock, 2000, "gained", ""},
                               {Kind::Lock, 3500, "lost", "Operating Mode"},
                               {Kind::InBeam, 3500, "left", "Operating Mode"}};
  ASSERT_EQ(log().size(), 5u);
  for (std::size_t i = 0; i < 4; ++i) {
    const LogEntry& e = log()[i + 1];
    EXPECT_EQ(e.kind, expected[i].kind) << i;
    EXPECT_EQ(e.timeMs, expected[i].ms) << i;
    EXPECT_EQ(e.panel, "Mobile") << i;
    EXPECT_EQ(e.what, expected[i].what) << i;
    EXPECT_EQ(e.detail, expected[i].detail) << i;
  }
  EXPECT_EQ(summary().firstInBeamMs, 1500);
  EXPECT_EQ(summary().firstLockMs, 2000);
  EXPECT_EQ(summary().lockLosses, 1);
  EXPECT_EQ(summary().enterRefusals, 0);
  EXPECT_EQ(summaryText(summary()),
            "First in beam: 1.500 s   First lock: 2.000 s   ENTER refusals: 0   Lock losses: 1");

  // Off target with every condition holding, the bearing is what failed.
  s.MobileOperatingMode = text::HandSearch;
  rig.advance(500);
  s.AntennaDirection = 51;
  rig.advance(500);
  EXPECT_EQ(last(Kind::Lock)->what, "lost");
  EXPECT_EQ(last(Kind::Lock)->detail, "Bearing");
  EXPECT_EQ(summary().lockLosses, 2);
  EXPECT_EQ(summary().firstLockMs, 2000);
}

TEST_F(SessionLogTest, EnterLogsWhatItStoredOrTheMessageThatRefusedIt) {
  go("213N");
  const std::string screen = std::to_string(panel.MenuState);
  keys("93E");
  ASSERT_EQ(messages(), 1u);
  const LogEntry* refused = last(Kind::Enter);
  EXPECT_EQ(refused->what, "refused");
  EXPECT_EQ(refused->before, screen);
  EXPECT_EQ(refused->detail, lastMessage());
  EXPECT_EQ(last(Kind::Message), nullptr);  // told once, on the ENTER line
  EXPECT_EQ(summary().enterRefusals, 1);

  s.ShuttleTankerSoftware = 1;
  keys("M");
  go("21");
  keys("1112E");
  const LogEntry* stored = last(Kind::Enter);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->what, "stored");
  EXPECT_EQ(stored->before, "85");
  EXPECT_NE(stored->detail.find("111"), std::string::npos) << stored->detail;
  // The ENTER line follows its key line.
  EXPECT_EQ(log()[log().size() - 2].what, "ENTER");

  // A message outside any ENTER has a line of its own.
  rig.sim.setupWindow().MaskEdit2.Enabled = true;
  rig.sim.setupWindow().MaskEdit2.Text = "12";
  rig.sim.setupWindow().MaskEdit2Exit();
  ASSERT_NE(last(Kind::Message), nullptr);
  EXPECT_EQ(last(Kind::Message)->what, "error");
  EXPECT_EQ(summary().enterRefusals, 1);
}

TEST_F(SessionLogTest, SetupChoicesAlarmsAndOutputsAreLogged) {
  Tmenumain& setup = rig.sim.setupWindow();
  setup.ComboBox2Change(2);
  setup.RadioButton3Click();
  setup.Timer2Timer();
  setup.AcceptAlarm1Click();
  setup.Serial.comportClick(true);
  setup.Serial.comportClick(false);
  setup.Serial.Network.tcpServerClick(true);

  std::vector<std::string> lines;
  for (const LogEntry& e : log())
    lines.push_back(std::string(kindName(e.kind)) + " " + e.what + "=" + e.detail);
  const std::vector<std::string> expected = {"setup Level=3 (Expert)",
                                             "setup Counter station=Kestrom Mk 4 Beacon",
                                             "alarm raised=AZIMUTH FREEZE",
                                             "alarm accepted=",
                                             "output Serial=on",
                                             "output Serial=off",
                                             "output TCP server=on"};
  EXPECT_EQ(lines, expected);
}

// A field of RFC 4180 CSV at `at`, which moves past the field and its comma.
std::string csvField(const std::string& text, std::size_t& at) {
  std::string field;
  if (at < text.size() && text[at] == '"') {
    for (++at; at < text.size(); ++at) {
      if (text[at] == '"' && at + 1 < text.size() && text[at + 1] == '"') {
        field += '"';
        ++at;
      } else if (text[at] == '"') {
        ++at;
        break;
      } else {
        field += text[at];
      }
    }
  } else {
    while (at < text.size() && text[at] != ',' && text[at] != '\r') field += text[at++];
  }
  if (at < text.size() && text[at] == ',') ++at;
  return field;
}

std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::size_t at = 0;
  while (at < text.size()) {
    std::vector<std::string> row;
    while (at < text.size() && text[at] != '\r') row.push_back(csvField(text, at));
    EXPECT_EQ(text.compare(at, 2, "\r\n"), 0) << "row not ended by CRLF";
    at += 2;
    rows.push_back(row);
  }
  return rows;
}

// A flat JSON object of strings and numbers, the values as their texts.
std::map<std::string, std::string> parseJsonObject(const std::string& line) {
  std::map<std::string, std::string> fields;
  std::size_t at = 1;
  auto str = [&] {
    std::string out;
    for (++at; line[at] != '"'; ++at) {
      if (line[at] != '\\') {
        out += line[at];
        continue;
      }
      const char c = line[++at];
      if (c == 'n')
        out += '\n';
      else if (c == 'u')
        out += static_cast<char>(std::stoi(line.substr((at += 4) - 1, 2), nullptr, 16));
      else
        out += c;
    }
    ++at;
    return out;
  };
  EXPECT_EQ(line.front(), '{');
  while (line[at] == '"') {
    std::string name = str();
    EXPECT_EQ(line[at++], ':');
    if (line[at] == '"') {
      fields[name] = str();
    } else {
      const std::size_t end = line.find_first_of(",}", at);
      fields[name] = line.substr(at, end - at);
      at = end;
    }
    if (line[at] == ',') ++at;
  }
  EXPECT_EQ(line.substr(at), "}");
  return fields;
}

TEST(SessionLogFormats, CsvAndJsonLinesReadBackField_ForField) {
  const std::vector<LogEntry> entries = {
      {1500, Kind::Enter, "Fix", "refused", "12", "", "The \"x, y\"\nis \\ bad\x7f"},
      {61005, Kind::Key, "Mobile", "ENTER", "3", "4", ""}};
  const auto rows = parseCsv(toCsv(entries));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"time_s", "kind", "panel", "what", "before", "after",
                                               "detail"}));
  EXPECT_EQ(rows[1], (std::vector<std::string>{"1.500", "enter", "Fix", "refused", "12", "",
                                               entries[0].detail}));
  EXPECT_EQ(rows[2][0], "61.005");

  std::istringstream lines(toJsonLines(entries));
  std::string line;
  std::vector<std::map<std::string, std::string>> objects;
  while (std::getline(lines, line)) objects.push_back(parseJsonObject(line));
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]["time_s"], "1.500");
  EXPECT_EQ(objects[0]["kind"], "enter");
  EXPECT_EQ(objects[0]["detail"], entries[0].detail);
  EXPECT_EQ(objects[1]["time_s"], "61.005");
  EXPECT_EQ(objects[1]["after"], "4");
  EXPECT_EQ(secondsText(-250), "-0.250");
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SessionLogFormats, TheLogFileHasEachLineAsSoonAsItIsLogged) {
  SessionLogFile bad;
  EXPECT_NE(bad.open("/nonexistent-folder/log.csv"), "");
  EXPECT_FALSE(bad.isOpen());

  const LogEntry entry{250, Kind::Lock, "Mobile", "gained", "", "", ""};
  for (const char* name : {"session_log_test.csv", "session_log_test.jsonl"}) {
    const std::string path = ::testing::TempDir() + name;
    SessionLogFile file;
    ASSERT_EQ(file.open(path), "");
    file.write(entry);
    const bool json = std::string(name).ends_with(".jsonl");
    EXPECT_EQ(fileText(path), json ? jsonLine(entry) : csvHeader() + csvRow(entry));
    std::remove(path.c_str());
  }
}

}  // namespace
}  // namespace kestrom
