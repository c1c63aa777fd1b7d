#include "core/window_model.h"

namespace kestrom {

WindowModel::WindowModel(Scheduler& scheduler, WindowIndex index, std::string caption, int width,
                         int height)
    : Width(width),
      Height(height),
      scheduler_(scheduler),
      index_(index),
      caption_(std::move(caption)) {}

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
