#pragma once

#include "app/window_model.h"

namespace kestrom {

// Antenna bearing read-out in large digits.
class Tabw : public WindowModel {
 public:
  explicit Tabw(Simulator& sim);
};

}  // namespace kestrom
