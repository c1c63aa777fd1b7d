#include "panels/mobile/station_profiles.h"

#include <string>

#include "setup/status_lines.h"

namespace kestrom {

namespace {

struct Profile {
  const char* addrSent;
  char mk3Digit;    // the MK3 address digit, "d    d    "
  bool mobileRole;  // "AS  MOB" (Mk 4 software) rather than "AS  MK3M"
  const char* pairText;
  const char* freq;
  const char* addrLabel;  // the "(..)" part of the station address text
  char pairDigit;
  const char* statusAddr;
};

constexpr const char* kPair3 = "      3: 9270 - 9300";
constexpr const char* kPair3Short = "     3: 9270 - 9300";
constexpr const char* kPair0 = "      0: 9200 - 9230";
constexpr const char* kPair2 = "      2: 9230 - 9200";

// Profiles of the codes below 100; codes 100 and up reuse them as Mk 4 stations.
bool profileFor(int code, Profile& p) {
  static const char* digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  static const char* labels[] = {" 0", " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9"};
  if (code >= 0 && code <= 9) {
    bool shortPair = code == 1 || code >= 5;
    p = {digits[code], static_cast<char>('0' + code),
         false,        shortPair ? kPair3Short : kPair3,
         "9270",       labels[code],
         '3',          labels[code]};
    return true;
  }
  // clang-format off
  switch (code) {
    case 10: p = {"10", 'A', false, kPair0, "9200", "10", '0', "10"}; return true;
    case 11: p = {"11", 'B', true, kPair2, "9230", "11", '2', "11"}; return true;
    case 12: p = {"12", 'C', false, kPair3Short, "9270", "12", '3', "12"}; return true;
    case 13: p = {"13", 'D', false, kPair0, "9200", "13", '0', "13"}; return true;
    case 14: p = {"14", 'E', true, kPair2, "9230", "14", '2', "14"}; return true;
    case 26: p = {"26", 'A', false, kPair0, "9200", "26", '0', "26"}; return true;
    case 28: p = {"28", 'C', false, kPair0, "9200", "28", '0', "28"}; return true;
    case 29: p = {"29", 'D', false, kPair0, "9200", "29", '0', "29"}; return true;
    case 30: p = {"30", 'E', false, kPair0, "9200", "30", '0', "30"}; return true;
    case 31: p = {"31", 'F', false, kPair0, "9230", "31", '0', "31"}; return true;
    default: return false;
  }
  // clang-format on
}

}  // namespace

bool applyStationProfile(SimulationState& s, int code) {
  bool mk4 = code >= 100;
  Profile p{};
  if (!profileFor(mk4 ? code - 100 : code, p)) return false;
  bool mobRole = p.mobileRole || mk4;
  std::string digit(1, p.mk3Digit);

  s.MobileAddrSent = p.addrSent;
  s.MobileMk3Addr = digit + "    " + digit + "    ";
  s.MobileUnitRole = mobRole ? text::AsMob : text::AsMk3M;
  s.MobileMk3FreqOffset = p.mobileRole ? text::MinusOffset : text::PlusOffset;
  s.CounterMk3FreqOffset = p.mobileRole ? text::PlusOffset : text::MinusOffset;
  s.MobileFreqPairText = p.pairText;
  s.MobileFreq = p.freq;
  s.MobileMk3FreqText = std::string(p.freq) + (mobRole ? "    (MK4)" : "    (MK3)");
  s.MobileStationAddrText = digit + "  " + digit + "     (" + p.addrLabel + ")";
  setStatusChars(s.MobileStatusLine, statuspos::FrequencyPair, std::string(1, p.pairDigit));
  setStatusChars(s.MobileStatusLine, statuspos::Address, p.statusAddr);
  return true;
}

const char* stationGainMode(int code) {
  int base = code >= 100 ? code - 100 : code;
  bool listed =
      code >= 0 && code <= 131 && ((base >= 0 && base <= 14) || (base >= 26 && base <= 31));
  if (!listed) return nullptr;
  if (base == 11 || base == 14) return text::Automatic;
  return text::Manual;
}

}  // namespace kestrom
