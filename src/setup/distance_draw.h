#pragma once

#include <optional>
#include <string>

#include "core/seams.h"
#include "setup/simulation_state.h"

namespace kestrom {

// The simulated distance as every distance reader computes it: the five range
// digits with the two digits of a fresh jitter 30..39 appended, read as hundredths
// of a metre (range "00126", jitter 34 -> 126.34 m). Stores RangeJitter and
// RangeText; empty when the range cannot be read.
std::optional<Extended> drawDistance(SimulationState& state, const std::string& rangeDigits,
                                     RandomSource& random);

}  // namespace kestrom
