#include "setup/link_failures.h"

namespace kestrom {

std::string failedLinkConditions(const LinkConditions& c, bool locked) {
  if (locked) return {};
  const std::pair<int, const char*> conditions[] = {{c.FrequencyMatch, "Frequencies"},
                                                    {c.AddressMatch, "Address Selection"},
                                                    {c.StationTypeMatch, "ABU configuration"},
                                                    {c.StandbyMatch, "Operating Mode"},
                                                    {c.RangeModeMatch, "Power Mode"}};
  std::string failed;
  for (const auto& [holds, name] : conditions) {
    if (holds) continue;
    if (!failed.empty()) failed += "; ";
    failed += name;
  }
  return failed.empty() ? "Bearing" : failed;
}

}  // namespace kestrom
