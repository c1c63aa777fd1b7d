#pragma once

#include <array>

#include "core/controls.h"
#include "core/window_model.h"
#include "setup/context.h"

namespace kestrom {

// The five lock conditions with their OK boxes. The Mobile panel's tracking ticks
// the boxes; a click by the trainee changes a box only until the next evaluation.
class Tconfigview : public SimulatedWindow {
 public:
  explicit Tconfigview(Context& ctx);

  static constexpr int kRows = 5;
  // Row labels, top to bottom: frequencies, address, unit roles, operating mode,
  // transmit power.
  static const std::array<const char*, kRows> RowLabels;

  CheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5;  // captioned "OK"

  // Box of row 1..5; rows outside that range have none.
  CheckBox* checkBox(int row);
  // Ticks or clears the box of row 1..5 after an evaluation of its condition:
  // 1 FrequencyMatch, 2 AddressMatch, 3 StationTypeMatch, 4 StandbyMatch,
  // 5 RangeModeMatch. Other rows are ignored.
  void setCondition(int row, bool holds);
  // The trainee clicks a box.
  void CheckBoxClick(int row, bool checked);

  void BitBtn1Click() { Close(); }  // "Close"
  void FormClose() override;
};

}  // namespace kestrom
