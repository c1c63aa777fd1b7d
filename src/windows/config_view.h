#pragma once

#include "app/window_model.h"

namespace kestrom {

// The five lock conditions with their OK boxes.
class Tconfigview : public WindowModel {
 public:
  explicit Tconfigview(Simulator& sim);
};

}  // namespace kestrom
