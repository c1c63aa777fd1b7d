#include "setup/link_evaluation.h"

#include "setup/status_lines.h"
#include "setup/whole_numbers.h"

namespace kestrom {

namespace {

bool frequenciesDifferBy(const std::string& a, const std::string& b, long difference) {
  long fa = 0;
  long fb = 0;
  return readWholeNumber(a, fa) && readWholeNumber(b, fb) && fa - fb == difference;
}

int stationTypesFit(const SimulationState& s) {
  const std::string& mob = s.MobileUnitRole;
  const std::string& counter = s.CounterUnitRole;
  switch (s.CounterStationKind) {
    case CounterKind::Mk4Fix:
      return (mob == text::AsMob || mob == text::AsMk3M) && counter == text::AsFix;
    case CounterKind::Mk3Fix:
      return mob == text::AsMk3M && counter == text::AsMk3F;
    case CounterKind::Mk4Beacon:
      return mob == text::AsMob && counter == text::AsBeacon;
    case CounterKind::Mk3Beacon:
      return mob == text::AsMk3M && counter == text::AsBcn3;
    default:
      return 0;
  }
}

bool rangeFits(const std::string& xmitRange, Extended distance) {
  return (distance > 400 && xmitRange == text::Long) ||
         (distance <= 400 && xmitRange == text::Short);
}

}  // namespace

LinkConditions evaluateLink(const SimulationState& s, int level, Extended distance) {
  LinkConditions c;
  bool spaced = frequenciesDifferBy(s.MobileFreq, s.CounterFreq, 30) ||
                frequenciesDifferBy(s.CounterFreq, s.MobileFreq, 30);
  c.FrequencyMatch = spaced;
  c.FrequencyBox = spaced;
  if (level == 3) {
    c.FrequencyMatch = s.MobileMk3FreqOffset == text::PlusOffset
                           ? frequenciesDifferBy(s.CounterFreq, s.MobileFreq, 30)
                           : frequenciesDifferBy(s.MobileFreq, s.CounterFreq, 30);
    c.FrequencyBox = c.FrequencyMatch;
  } else {
    c.FrequencyMatch = 1;
  }

  c.AddressMatch = s.MobileAddrSent == s.CounterAddrSent || s.MobileMk3Addr == s.CounterMk3Addr ||
                   s.MobileAddrSent == "62" || s.MobileAddrSent == "63" ||
                   s.CounterAddrSent == "62" || s.CounterAddrSent == "63";
  c.StationTypeMatch = stationTypesFit(s);
  c.StandbyMatch =
      s.MobileOperatingMode != text::StandBy && s.CounterOperatingMode != text::StandBy;

  c.RangeModeMatch = s.RangeModeMatch;
  if (s.MobileGainMode == text::Manual) c.RangeModeMatch = rangeFits(s.MobileXmitRange, distance);
  if (s.CounterGainMode == text::Manual) c.RangeModeMatch = rangeFits(s.CounterXmitRange, distance);
  if (s.MobileGainMode == text::Automatic) c.RangeModeMatch = 1;
  return c;
}

void storeLinkConditions(SimulationState& s, const LinkConditions& c) {
  s.FrequencyMatch = c.FrequencyMatch;
  s.AddressMatch = c.AddressMatch;
  s.StationTypeMatch = c.StationTypeMatch;
  s.StandbyMatch = c.StandbyMatch;
  s.RangeModeMatch = c.RangeModeMatch;
}

bool storedLinkHolds(const SimulationState& s) {
  return s.FrequencyMatch && s.AddressMatch && s.StationTypeMatch && s.StandbyMatch &&
         s.RangeModeMatch;
}

bool applyAutomaticGain(SimulationState& s, Extended distance) {
  if (s.MobileGainMode != text::Automatic || s.CounterGainMode != text::Automatic) return false;
  bool isLong = distance >= 200;
  bool isNormal = distance >= 900;
  s.MobileXmitRange = s.CounterXmitRange = isLong ? text::Long : text::Short;
  s.MobileXmitPower = s.CounterXmitPower = isNormal ? text::Normal : text::Reduced;
  std::string& counterLine2 =
      s.CounterStationKind == CounterKind::Mk4Beacon ? s.BeaconStatusLine2 : s.FixStatusLine2;
  for (std::string* line : {&s.MobileStatusLine2, &counterLine2}) {
    setStatusChars(*line, statuspos::RangeLetter, isLong ? "L" : "S");
    setStatusChars(*line, statuspos::PowerLetter, isNormal ? "N" : "R");
  }
  return true;
}

}  // namespace kestrom
