#include "windows/config_view.h"

#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

const std::array<const char*, Tconfigview::kRows> Tconfigview::RowLabels = {
    "Frequencies ", "Address Selection", "ABU configuration", "Operating Mode", "Power Mode"};

Tconfigview::Tconfigview(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::ConfigView, "Config View", 220, 210) {}

CheckBox* Tconfigview::checkBox(int row) {
  switch (row) {
    case 1:
      return &CheckBox1;
    case 2:
      return &CheckBox2;
    case 3:
      return &CheckBox3;
    case 4:
      return &CheckBox4;
    case 5:
      return &CheckBox5;
    default:
      return nullptr;
  }
}

void Tconfigview::setCondition(int row, bool holds) {
  if (CheckBox* box = checkBox(row)) box->Checked = holds;
}

void Tconfigview::CheckBoxClick(int row, bool checked) {
  if (CheckBox* box = checkBox(row)) box->Checked = checked;
}

void Tconfigview::FormClose() {
  ctx_.links().setupWindow().ConfigView1.Checked = false;
}

}  // namespace kestrom
