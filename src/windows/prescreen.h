#pragma once

#include "app/window_model.h"

namespace kestrom {

// Start screen shown for the first five seconds.
class TPreForm : public WindowModel {
 public:
  explicit TPreForm(Simulator& sim);
};

}  // namespace kestrom
