#include "platform/qt/application.h"

#include "platform/qt/aid_display_view.h"
#include "platform/qt/bearing_view.h"
#include "platform/qt/config_view_view.h"
#include "platform/qt/distance_adjust_view.h"
#include "platform/qt/setup_window_view.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"

namespace kestrom {

Application::Application()
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_}), hub_(sim_) {
  // Setup window: the main window, created first.
  views_.push_back(std::make_unique<SetupWindowView>(sim_, hub_));

  // Tabw: antenna bearing window.
  views_.push_back(std::make_unique<BearingView>(sim_.bearing(), hub_));

  // Taiddisplay: Fix AID display.
  views_.push_back(std::make_unique<AidDisplayView>(sim_.aid(), hub_));

  // Tafstmenu: distance adjust.
  views_.push_back(std::make_unique<DistanceAdjustView>(sim_.distance(), hub_));

  // Tconfigview: config view.
  views_.push_back(std::make_unique<ConfigViewView>(sim_.config(), hub_));
}

Application::~Application() = default;

void Application::start() {
  sim_.start();
  hub_.refreshAll();
}

}  // namespace kestrom
