#include "windows/distance_adjust.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/number_format.h"
#include "app/simulator.h"
#include "setup/setup_window.h"

namespace kestrom {

namespace {

// The range digits as metres; a text that is not digits (blanks around them
// allowed) reads as 0.
double rangeMetres(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0;
  std::size_t last = text.find_last_not_of(' ');
  double value = 0;
  for (std::size_t i = first; i <= last; ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string fiveDigits(double metres) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%05d", static_cast<int>(std::trunc(metres)));
  return buf;
}

}  // namespace

Tafstmenu::Tafstmenu(Simulator& sim)
    : WindowModel(sim, WindowIndex::DistanceAdjust, "Distance Adjust", 260, 330) {}

void Tafstmenu::FormShow() {
  // The distance shown first carries two jitter digits (30..39 hundredths).
  const std::string range = sim_.setup().MaskEdit1.Text;
  double metres = rangeMetres(range);
  int jitter = 30 + sim_.services().random.random(10);
  SimulationState& s = sim_.state();
  s.Distance = (metres * 100 + jitter) / 100;
  Label2.Caption = fixed2(s.Distance);
  CapturedRange = range;
  int position = static_cast<int>(std::clamp(kMaxDistance - metres, 0.0, double(kMaxDistance)));
  TrackBar1Change(position);
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
  SimulationState& s = sim_.state();
  s.Distance = ProgressBar1.Position;
  Label2.Caption = fixed2(s.Distance);
  sim_.setup().MaskEdit1.Text = fiveDigits(s.Distance);
}

void Tafstmenu::FormClose() {
  sim_.setup().DistanceAdjust1.Checked = false;
  repaintAidDisplay();
}

}  // namespace kestrom
