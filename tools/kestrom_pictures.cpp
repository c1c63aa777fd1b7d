// Pictures of the simulator made from the program itself:
//   kestrom-pictures icons FOLDER        the program icon in the sizes desktops use,
//                                        as FOLDER/hicolor/NxN/apps/kestrom-simulator.png
//   kestrom-pictures screenshots FOLDER  every window as the manual shows it
// Runs on the offscreen platform; no display is needed.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <memory>

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "qt/about_box_view.h"
#include "qt/aid_display_view.h"
#include "qt/alignment_window_view.h"
#include "qt/app_icon.h"
#include "qt/beacon_panel_view.h"
#include "qt/bearing_window_view.h"
#include "qt/config_window_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/fix_panel_view.h"
#include "qt/help_window.h"
#include "qt/mk3_unit_view.h"
#include "qt/mobile_panel_view.h"
#include "qt/prescreen_view.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_services.h"
#include "qt/serial_output_view.h"
#include "qt/setup_window_view.h"
#include "qt/tone_player.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "windows/about_box.h"
#include "windows/aid_display.h"
#include "windows/alignment_window.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"
#include "windows/mk3_unit.h"
#include "windows/prescreen.h"

namespace kestrom {
namespace {

bool save(const QImage& image, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (image.save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

bool writeIcons(const QString& folder) {
  bool ok = true;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintAppIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    ok = save(image, dir + QStringLiteral("/kestrom-simulator.png")) && ok;
  }
  return ok;
}

// The simulator with every view, as the program has them, for the camera.
struct Studio {
  StdRandom random;
  SystemClock clock;
  QtMessageBoxes dialogs;
  QtTonePlayer tone;
  QtHelpViewer help;
  QtSerialPort serial;
  Simulator sim{Services{random, clock, dialogs, tone, help, serial}};
  ViewHub hub{sim};
};

// Runs `setUp` on the models, then photographs `view`.
bool shoot(Studio& studio, QWidget& view, const QString& path, const std::function<void()>& setUp) {
  setUp();
  studio.hub.refreshAll();
  QApplication::processEvents();
  return save(view.grab().toImage(), path);
}

bool writeScreenshots(const QString& folder) {
  Studio s;
  s.sim.alignmentWindow().setPictureSearch(AlignmentWindowView::standardPictureSearch());
  bool ok = true;
  auto at = [&](const char* name) { return folder + QLatin1Char('/') + QLatin1String(name); };

  SetupWindowView setup(s.sim, s.hub);
  fillTelegramHalf(s.sim, s.hub, setup.rightHalf());
  Tmenumain& menu = s.sim.setupWindow();
  ok = shoot(s, setup, at("setup-menu-bar.png"), [&] { menu.Show(); }) && ok;
  ok = shoot(s, setup, at("setup-window.png"),
             [&] {
               menu.SimulationParameters1Click();
               menu.BitBtn2Click();
             }) &&
       ok;
  menu.BitBtn2Click();
  menu.BitBtn1Click();

  MobilePanelView mobile(s.sim.mobilePanel(), s.hub);
  ok = shoot(s, mobile, at("mobile-panel.png"), [&] { s.sim.mobilePanel().Show(); }) && ok;
  FixPanelView fix(s.sim.fixPanel(), s.hub);
  ok = shoot(s, fix, at("fix-panel.png"),
             [&] {
               s.sim.fixPanel().Show();
               s.sim.fixPanel().tap(PanelKey::Menu);
             }) &&
       ok;
  BeaconPanelView beacon(s.sim.beaconPanel(), s.hub);
  ok = shoot(s, beacon, at("beacon-panel.png"), [&] { s.sim.beaconPanel().Show(); }) && ok;

  BearingWindowView bearing(s.sim.bearingWindow(), s.hub);
  ok = shoot(s, bearing, at("bearing-window.png"),
             [&] { s.sim.bearingWindow().showBearing(47.25); }) &&
       ok;
  AidDisplayView aid(s.sim.aidDisplay(), s.hub);
  ok = shoot(s, aid, at("aid-display.png"), [&] { s.sim.aidDisplay().Show(); }) && ok;
  DistanceAdjustView distance(s.sim.distanceAdjust(), s.hub);
  ok = shoot(s, distance, at("distance-adjust.png"), [&] { s.sim.distanceAdjust().Show(); }) && ok;
  ConfigWindowView config(s.sim.configView(), s.hub);
  ok = shoot(s, config, at("config-view.png"), [&] { s.sim.configView().Show(); }) && ok;
  Mk3UnitView mk3(s.sim.mk3Unit(), s.hub);
  ok = shoot(s, mk3, at("mk3-unit.png"), [&] { s.sim.mk3Unit().Show(); }) && ok;
  AboutBoxView about(s.sim.aboutBox(), s.hub);
  ok = shoot(s, about, at("about-box.png"), [&] { s.sim.aboutBox().Show(); }) && ok;

  TAlignfix& scope = s.sim.alignmentWindow();
  AlignmentWindowView telescope(scope, s.hub);
  ok = shoot(s, telescope, at("telescope.png"), [&] { scope.Show(); }) && ok;
  ok = shoot(s, telescope, at("telescope-turned.png"),
             [&] {
               scope.Image1Click();
               scope.Image1Click();
             }) &&
       ok;
  return ok;
}

}  // namespace
}  // namespace kestrom

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString mode = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
  const QString folder = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  if (mode == QLatin1String("icons")) return kestrom::writeIcons(folder) ? 0 : 1;
  if (mode == QLatin1String("screenshots")) return kestrom::writeScreenshots(folder) ? 0 : 1;
  std::fprintf(stderr, "usage: %s icons|screenshots FOLDER\n", argv[0]);
  return 2;
}
