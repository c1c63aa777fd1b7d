#include "core/window_model.h"

#include "simulator/simulator.h"

namespace kestrom {

WindowModel::WindowModel(Simulator& sim, WindowIndex index, std::string caption, int width,
                         int height)
    : Width(width), Height(height), sim_(sim), index_(index), caption_(std::move(caption)) {}

Scheduler& WindowModel::scheduler() const {
  return sim_.scheduler();
}

void WindowModel::Show() {
  if (visible_) return;
  visible_ = true;
  FormShow();
}

void WindowModel::Close() {
  FormClose();
  visible_ = false;
}

}  // namespace kestrom
