#include "platform/qt/application.h"

#include "platform/qt/fix_panel_view.h"

namespace kestrom {

Application::Application()
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_}), hub_(sim_) {
  // Views in the order the windows are created: setup, mobile, about, beacon, fix, ...

  // ---- Fix panel ----
  views_.push_back(std::make_unique<FixPanelView>(sim_.fix(), hub_));
}

Application::~Application() = default;

void Application::start() {
  sim_.start();
  hub_.refreshAll();
}

}  // namespace kestrom
