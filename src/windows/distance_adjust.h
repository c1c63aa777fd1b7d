#pragma once

#include "app/window_model.h"

namespace kestrom {

// Slider that sets the range between the stations.
class Tafstmenu : public WindowModel {
 public:
  explicit Tafstmenu(Simulator& sim);
};

}  // namespace kestrom
