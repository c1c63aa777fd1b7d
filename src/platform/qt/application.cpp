#include "platform/qt/application.h"

#include "platform/qt/setup_window_view.h"

namespace kestrom {

Application::Application()
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_}), hub_(sim_) {
  // Setup window: the main window, created first.
  views_.push_back(std::make_unique<SetupWindowView>(sim_, hub_));
}

Application::~Application() = default;

void Application::start() {
  sim_.start();
  hub_.refreshAll();
}

}  // namespace kestrom
