#include "platform/qt/application.h"

#include <QApplication>

#include "platform/qt/about_box_view.h"
#include "platform/qt/aid_display_view.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/bearing_view.h"
#include "platform/qt/config_view_view.h"
#include "platform/qt/distance_adjust_view.h"
#include "platform/qt/fix_panel_view.h"
#include "platform/qt/mk3_unit_view.h"
#include "platform/qt/mobile_panel_view.h"
#include "platform/qt/prescreen_view.h"
#include "platform/qt/serial_output_view.h"
#include "platform/qt/setup_window_view.h"
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
  views_.push_back(std::make_unique<MobilePanelView>(sim_.mobile(), hub_));
  views_.push_back(std::make_unique<AboutBoxView>(sim_.about(), hub_));
  views_.push_back(std::make_unique<FixPanelView>(sim_.fix(), hub_));
  // The auxiliary windows open below the panels, clear of the menu bar.
  placed(std::make_unique<BearingView>(sim_.bearing(), hub_), {180, 520});
  placed(std::make_unique<AidDisplayView>(sim_.aid(), hub_), {0, 520});
  placed(std::make_unique<DistanceAdjustView>(sim_.distance(), hub_), {520, 520});
  placed(std::make_unique<ConfigViewView>(sim_.config(), hub_), {790, 520});
  placed(std::make_unique<Mk3UnitView>(sim_.mk3(), hub_), {0, 790});
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
