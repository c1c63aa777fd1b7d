#include "qt/application.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "qt/about_box_view.h"
#include "qt/aid_display_view.h"
#include "qt/alignment_window_view.h"
#include "qt/app_icon.h"
#include "qt/beacon_panel_view.h"
#include "qt/bearing_window_view.h"
#include "qt/config_window_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/fix_panel_view.h"
#include "qt/mk3_unit_view.h"
#include "qt/mobile_panel_view.h"
#include "qt/prescreen_view.h"
#include "qt/serial_output_view.h"
#include "qt/setup_window_view.h"
#include "qt/startup_trace.h"
#include "windows/about_box.h"
#include "windows/aid_display.h"
#include "windows/alignment_window.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"
#include "windows/mk3_unit.h"

namespace kestrom {

namespace {

// Stands in the hub's list for a window's view until the window is first shown,
// then makes it; the view it makes draws itself from then on.
class DeferredView : public ModelView {
 public:
  DeferredView(const WindowModel& model, std::function<void()> make)
      : model_(model), make_(std::move(make)) {}
  void refreshFromModel() override {
    if (!make_ || !model_.Visible()) return;
    auto make = std::move(make_);
    make_ = nullptr;
    make();
  }

 private:
  const WindowModel& model_;
  std::function<void()> make_;
};

}  // namespace

Application::Application(const std::string& logPath)
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_, &network_}), hub_(sim_) {
  startup::mark("models created");
  // Every window opens at its place (set below, or where it was last); where that
  // place reaches off its screen, at a large scale or on a small screen, the
  // placer moves the window in.
  qApp->installEventFilter(&placer_);
  serial_.setSlotClock([this] { return hub_.telegramInstantNs(); });
  network_.setSlotClock([this] { return hub_.telegramInstantNs(); });
  // The serial and network output settings fill the setup window's right-hand half.
  auto setupView = std::make_unique<SetupWindowView>(
      sim_, hub_, [this](QWidget* rightHalf) { fillTelegramHalf(sim_, hub_, rightHalf); });
  setupView->addSessionLogItem([this] {
    if (!logView_) {
      logView_ = std::make_unique<SessionLogView>(sim_.sessionLog(), sim_.services().dialogs, hub_);
      logView_->move(420, 40);  // beside the panels, clear of the menu bar
    }
    logView_->show();
    logView_->raise();
    logView_->activateWindow();
  });
  views_.push_back(std::move(setupView));
  if (!logPath.empty()) {
    logFileProblem_ = logFile_.open(logPath);
    if (logFile_.isOpen())
      sim_.sessionLog().addListener([this](const LogEntry& e) { logFile_.write(e); });
  }
  startup::mark("setup window view");

  deferred(sim_.mobilePanel(),
           [this] { return std::make_unique<MobilePanelView>(sim_.mobilePanel(), hub_); });
  deferred(sim_.aboutBox(),
           [this] { return std::make_unique<AboutBoxView>(sim_.aboutBox(), hub_); });
  deferred(sim_.beaconPanel(),
           [this] { return std::make_unique<BeaconPanelView>(sim_.beaconPanel(), hub_); });
  deferred(sim_.fixPanel(),
           [this] { return std::make_unique<FixPanelView>(sim_.fixPanel(), hub_); });
  // The auxiliary windows open below the panels, clear of the menu bar.
  deferred(sim_.bearingWindow(), {180, 520},
           [this] { return std::make_unique<BearingWindowView>(sim_.bearingWindow(), hub_); });
  sim_.alignmentWindow().setPictureSearch(AlignmentWindowView::standardPictureSearch());
  deferred(sim_.alignmentWindow(), {900, 40},
           [this] { return std::make_unique<AlignmentWindowView>(sim_.alignmentWindow(), hub_); });
  deferred(sim_.aidDisplay(), {0, 520},
           [this] { return std::make_unique<AidDisplayView>(sim_.aidDisplay(), hub_); });
  deferred(sim_.distanceAdjust(), {520, 520},
           [this] { return std::make_unique<DistanceAdjustView>(sim_.distanceAdjust(), hub_); });
  deferred(sim_.configView(), {790, 520},
           [this] { return std::make_unique<ConfigWindowView>(sim_.configView(), hub_); });
  deferred(sim_.mk3Unit(), {0, 790},
           [this] { return std::make_unique<Mk3UnitView>(sim_.mk3Unit(), hub_); });
  views_.push_back(std::make_unique<PrescreenView>(sim_.prescreen(), hub_));
  startup::mark("prescreen view");
}

Application::~Application() {
  logView_.reset();
  // The views leave the hub before the simulator goes, and so do the stand-ins.
  views_.clear();
  for (const auto& stub : deferred_) hub_.removeView(stub.get());
}

void Application::deferred(const WindowModel& model, MakeView make) {
  auto stub = std::make_unique<DeferredView>(
      model, [this, make = std::move(make)] { views_.push_back(make()); });
  hub_.addView(stub.get());
  deferred_.push_back(std::move(stub));
}

void Application::deferred(const WindowModel& model, QPoint topLeft, MakeView make) {
  deferred(model, [make = std::move(make), topLeft] {
    std::unique_ptr<QWidget> view = make();
    view->move(topLeft);
    return view;
  });
}

void Application::start() {
  sim_.start();
  hub_.refreshAll();
  startup::mark("setup window shown");
  // The program icon, every window's icon, is drawn once the setup window is up.
  iconTimer_.setSingleShot(true);
  QObject::connect(&iconTimer_, &QTimer::timeout, [] { QApplication::setWindowIcon(appIcon()); });
  if (!logFileProblem_.empty()) {
    std::fprintf(stderr, "%s\n", logFileProblem_.c_str());
    // Said once the program is up; the simulator runs on without a log file.
    QObject::connect(&iconTimer_, &QTimer::timeout, [this] {
      dialogs_.error(logFileProblem_ + " The simulator runs on without a log file.");
    });
  }
  iconTimer_.start(0);
}

}  // namespace kestrom
