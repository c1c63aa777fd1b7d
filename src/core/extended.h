#pragma once

namespace kestrom {

// Angles and distances as the system holds them: extended precision, the x87
// 80-bit format on this platform. The telegram fields truncate products of these
// values, so their last digit depends on this precision; every computation on them
// stays in it (literals too: 0.4L, not 0.4).
using Extended = long double;

}  // namespace kestrom
