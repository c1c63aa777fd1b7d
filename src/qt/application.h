#pragma once

// src/qt: the Qt views, one per window model, drawn from their models after
// every event (view_hub.h); the real serial port, tone player and help window;
// and the application that drives the scheduler from a precise timer (main.cpp).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "qt/help_window.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_services.h"
#include "qt/qt_telegram_network.h"
#include "qt/session_log_view.h"
#include "qt/tone_player.h"
#include "qt/view_hub.h"
#include "qt/window_placement.h"
#include "simulator/simulator.h"

namespace kestrom {

// The running program: the real seams, the simulator and one view per window.
// The models are all created at start, in the system's window order; a window's
// Qt view is made the first time its model is shown, so start-up builds only the
// setup window and the prescreen.
class Application {
 public:
  // `logPath`, when given, receives every line of the session log as it is logged.
  explicit Application(const std::string& logPath = {});
  ~Application();

  // Shows the main window (and through it the prescreen).
  void start();

 private:
  using MakeView = std::function<std::unique_ptr<QWidget>()>;
  // The view of `model`, made by `make` when the model is first shown.
  void deferred(const WindowModel& model, MakeView make);
  // The same, moved to `topLeft` before it first shows.
  void deferred(const WindowModel& model, QPoint topLeft, MakeView make);

  WindowPlacer placer_;  // keeps each window on its screen as it shows
  StdRandom random_;
  SystemClock clock_;
  QtDialogs dialogs_;
  QtTonePlayer tone_;
  QtHelpViewer help_;
  QtSerialPort serial_;
  QtTelegramNetwork network_;
  Simulator sim_;
  ViewHub hub_;
  std::vector<std::unique_ptr<QWidget>> views_;
  std::vector<std::unique_ptr<ModelView>> deferred_;
  std::unique_ptr<SessionLogView> logView_;  // made when first opened
  SessionLogFile logFile_;
  std::string logFileProblem_;  // why the --log file could not be opened
  QTimer iconTimer_;            // draws the icon once the setup window is up
};

}  // namespace kestrom
