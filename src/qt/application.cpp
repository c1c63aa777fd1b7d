#include "qt/application.h"

#include <QApplication>

#include "qt/about_box_view.h"
#include "qt/aid_display_view.h"
#include "qt/app_icon.h"
#include "qt/beacon_panel_view.h"
#include "qt/bearing_window_view.h"
#include "qt/config_view_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/fix_panel_view.h"
#include "qt/mk3_unit_view.h"
#include "qt/mobile_panel_view.h"
#include "qt/prescreen_view.h"
#include "qt/serial_output_view.h"
#include "qt/setup_window_view.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"

namespace kestrom {

Application::Application()
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_}), hub_(sim_) {
  // The program icon is every window's icon.
  QApplication::setWindowIcon(appIcon());

  // One view per window, in the order the windows are created.
  auto setup = std::make_unique<SetupWindowView>(sim_, hub_);
  // The serial output settings fill the setup window's right-hand half.
  new SerialOutputView(sim_, hub_, setup->rightHalf());
  views_.push_back(std::move(setup));
  views_.push_back(std::make_unique<MobilePanelView>(sim_.mobilePanel(), hub_));
  views_.push_back(std::make_unique<AboutBoxView>(sim_.aboutBox(), hub_));
  views_.push_back(std::make_unique<BeaconPanelView>(sim_.beaconPanel(), hub_));
  views_.push_back(std::make_unique<FixPanelView>(sim_.fixPanel(), hub_));
  // The auxiliary windows open below the panels, clear of the menu bar.
  placed(std::make_unique<BearingWindowView>(sim_.bearingWindow(), hub_), {180, 520});
  placed(std::make_unique<AidDisplayView>(sim_.aidDisplay(), hub_), {0, 520});
  placed(std::make_unique<DistanceAdjustView>(sim_.distanceAdjust(), hub_), {520, 520});
  placed(std::make_unique<ConfigViewView>(sim_.configView(), hub_), {790, 520});
  placed(std::make_unique<Mk3UnitView>(sim_.mk3Unit(), hub_), {0, 790});
  views_.push_back(std::make_unique<PrescreenView>(sim_.prescreen(), hub_));
}

Application::~Application() = default;

void Application::placed(std::unique_ptr<QWidget> view, QPoint topLeft) {
  view->move(topLeft);
  views_.push_back(std::move(view));
}

void Application::start() {
  sim_.start();
  hub_.refreshAll();
}

}  // namespace kestrom
