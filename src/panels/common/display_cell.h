#pragma once

#include <string>

#include "core/controls.h"

namespace kestrom {

// The eight display cells of a station panel: four lines, a left and a right cell
// each. Label6..Label9 are the left cells of lines 1..4, Label10..Label13 the right.
enum class Cell : int { L1 = 0, L2, L3, L4, R1, R2, R3, R4 };
inline constexpr int kCellCount = 8;
// "1L" ... "4R"
const char* cellName(Cell c);

struct DisplayCell {
  std::string Caption;
  Color FontColor = clBlack;
};

}  // namespace kestrom
