#pragma once

#include "app/window_model.h"

namespace kestrom {

// Dial of the Fix antenna, its beam and the autosearch sector.
class Taiddisplay : public WindowModel {
 public:
  explicit Taiddisplay(Simulator& sim);
};

}  // namespace kestrom
