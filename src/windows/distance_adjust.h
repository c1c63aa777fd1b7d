#pragma once

#include <string>

#include "core/controls.h"
#include "core/window_model.h"
#include "setup/context.h"

namespace kestrom {

// Slider that sets the range between the stations: it rewrites the setup
// window's "Range to station" edit, which the panels and the telegram sender read.
// The slider's top end (position 0) is 3000 m, its bottom end (3000) is 0 m.
class Tafstmenu : public SimulatedWindow {
 public:
  explicit Tafstmenu(Context& ctx);

  static constexpr int kMaxDistance = 3000;

  struct TrackBar {
    int Min = 0;
    int Max = kMaxDistance;
    int Position = kMaxDistance;
    int LineSize = 2;
    int Frequency = 100;  // tick marks, both sides
  };
  struct ProgressBar {
    int Min = 0;
    int Max = kMaxDistance;
    int Position = 0;
  };

  Label Label1{"Kestrom Distance : "};
  Label Label2;  // the distance, fixed with 2 decimals
  Label Label3{"Meter"};
  TrackBar TrackBar1;
  ProgressBar ProgressBar1;
  // The five range digits taken from the setup window when last shown.
  std::string CapturedRange;

  void FormShow() override;
  void FormClose() override;
  // The slider moved (dragged by the trainee, or by a button): position is clamped
  // to 0..3000; a real change runs the change steps.
  void TrackBar1Change(int position);
  void BitBtn2Click() { TrackBar1Change(TrackBar1.Position - 10); }  // "Increase  "
  void BitBtn3Click() { TrackBar1Change(TrackBar1.Position + 10); }  // "Decrease"
  void BitBtn1Click() { Close(); }                                   // "Close"

 private:
  void applyPosition();
};

}  // namespace kestrom
