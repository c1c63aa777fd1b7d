#pragma once

#include "app/window_model.h"

namespace kestrom {

// About box shown from Help > About.
class TAboutBox : public WindowModel {
 public:
  explicit TAboutBox(Simulator& sim);
};

}  // namespace kestrom
