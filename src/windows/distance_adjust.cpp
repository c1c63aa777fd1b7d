#include "windows/distance_adjust.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/number_format.h"
#include "setup/context.h"
#include "setup/distance_draw.h"
#include "setup/setup_window.h"
#include "setup/whole_numbers.h"

namespace kestrom {

namespace {

// The range digits as whole metres; a text that is not digits (blanks around
// them allowed) reads as 0.
long rangeMetres(const std::string& text) {
  long value = 0;
  return readWholeNumber(text, value) && value >= 0 ? value : 0;
}

// The whole metres of a distance, zero-padded to five digits ("00127").
std::string fiveDigits(Extended metres) {
  std::string digits = std::to_string(static_cast<long>(std::trunc(metres)));
  return std::string(digits.size() < 5 ? 5 - digits.size() : 0, '0') + digits;
}

}  // namespace

Tafstmenu::Tafstmenu(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::DistanceAdjust, "Distance Adjust", 260, 330) {}

void Tafstmenu::FormShow() {
  // The distance shown first carries two jitter digits (30..39 hundredths).
  const std::string range = ctx_.links().setupWindow().MaskEdit1.Text;
  SimulationState& s = ctx_.state();
  s.Distance = drawDistance(s, range, ctx_.services().random).value_or(0);
  Label2.Caption = fixed2(s.Distance);
  CapturedRange = range;
  // Opening never changes the range: the slider only shows it. A range beyond
  // the slider's end leaves the slider there and the label on the real range,
  // until the trainee moves the slider.
  const long metres = rangeMetres(range);
  TrackBar1.Position = static_cast<int>(kMaxDistance - std::min<long>(metres, kMaxDistance));
  ProgressBar1.Position = kMaxDistance - TrackBar1.Position;
}

void Tafstmenu::TrackBar1Change(int position) {
  position = std::clamp(position, TrackBar1.Min, TrackBar1.Max);
  if (position == TrackBar1.Position) return;
  TrackBar1.Position = position;
  applyPosition();
}

// The range becomes exactly the slider's distance, so opening the window never
// moves the range by itself.
void Tafstmenu::applyPosition() {
  ProgressBar1.Position = kMaxDistance - TrackBar1.Position;
  SimulationState& s = ctx_.state();
  s.Distance = ProgressBar1.Position;
  Label2.Caption = fixed2(s.Distance);
  ctx_.links().setupWindow().MaskEdit1.Text = fiveDigits(s.Distance);
}

void Tafstmenu::FormClose() {
  ctx_.links().setupWindow().DistanceAdjust1.Checked = false;
}

}  // namespace kestrom
