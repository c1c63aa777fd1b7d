#pragma once

#include <string>

#include "setup/link_evaluation.h"

namespace kestrom {

// The lock conditions that do not hold, by the config view's row names, joined
// by "; ". With every condition holding and still no lock (`locked` false), the
// antenna is off target: "Bearing". Empty while locked.
std::string failedLinkConditions(const LinkConditions& c, bool locked);

}  // namespace kestrom
