#pragma once

#include "app/window_model.h"

namespace kestrom {

// Static picture of the Mk 3 fix control data unit.
class Tfix3 : public WindowModel {
 public:
  explicit Tfix3(Simulator& sim);
};

}  // namespace kestrom
