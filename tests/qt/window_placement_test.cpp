#include "qt/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryFile>
#include <QtTest>
#include <memory>

#include "qt/config_window_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/help_window.h"
#include "qt/mobile_panel_view.h"
#include "qt/serial_output_view.h"
#include "qt/setup_window_view.h"
#include "testing/fakes.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"

using namespace kestrom;

Q_DECLARE_METATYPE(QMargins)

namespace {

// Two screens side by side: a small one in front (640 x 512, as a 1280 x 1024
// screen at twice the scale) and a larger one to its right.
const QRect kSmallScreen(0, 0, 640, 512);
const QRect kSecondScreen(640, 0, 800, 600);

bool inside(const QWidget& window, const QRect& area) {
  return area.contains(window.frameGeometry());
}

}  // namespace

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), kSmallScreen);
    qApp->installEventFilter(&placer_);
  }

  void theRule_data() {
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("placed");
    QTest::addColumn<bool>("scrolls");
    const QMargins none;
    const QMargins titled(4, 30, 4, 4);
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("fits") << QRect(520, 520, 260, 330) << none << screen
                          << QRect(520, 520, 260, 330) << false;
    QTest::newRow("fits to the pixel")
        << QRect(1020, 694, 260, 330) << none << screen << QRect(1020, 694, 260, 330) << false;
    QTest::newRow("off right") << QRect(1100, 100, 260, 330) << none << screen
                               << QRect(1020, 100, 260, 330) << false;
    QTest::newRow("off bottom") << QRect(100, 900, 260, 330) << none << screen
                                << QRect(100, 694, 260, 330) << false;
    QTest::newRow("off both, frame counted")
        << QRect(1100, 900, 260, 330) << titled << screen << QRect(1012, 660, 260, 330) << false;
    QTest::newRow("before the origin")
        << QRect(-60, -54, 300, 200) << none << screen << QRect(0, 0, 300, 200) << false;
    QTest::newRow("screen left of the origin")
        << QRect(-100, 50, 300, 200) << none << QRect(-1280, 0, 1280, 1024)
        << QRect(-300, 50, 300, 200) << false;
    QTest::newRow("screen with an offset origin")
        << QRect(3100, 1000, 300, 200) << none << QRect(1280, 40, 1920, 1040)
        << QRect(2900, 880, 300, 200) << false;
    // Too tall: full height, and a scroll bar's width more.
    QTest::newRow("taller than the screen")
        << QRect(0, 0, 400, 542) << none << kSmallScreen << QRect(0, 0, 414, 512) << true;
    QTest::newRow("taller, framed, moved along")
        << QRect(300, 0, 400, 542) << titled << kSmallScreen << QRect(218, 0, 414, 478) << true;
    QTest::newRow("wider than the screen")
        << QRect(10, 300, 700, 100) << none << kSmallScreen << QRect(0, 300, 640, 114) << true;
    QTest::newRow("its scroll bar does not fit either")
        << QRect(0, 0, 630, 600) << none << kSmallScreen << QRect(0, 0, 640, 512) << true;
    QTest::newRow("larger both ways")
        << QRect(50, 50, 900, 900) << titled << kSmallScreen << QRect(0, 0, 632, 478) << true;
    QTest::newRow("no screen") << QRect(5, 5, 10, 10) << none << QRect() << QRect(5, 5, 10, 10)
                               << false;
  }
  void theRule() {
    QFETCH(QRect, wanted);
    QFETCH(QMargins, frame);
    QFETCH(QRect, area);
    QFETCH(QRect, placed);
    QFETCH(bool, scrolls);
    const WindowPlacement p = placeWindow(wanted, frame, area, 14);
    QCOMPARE(p.rect, placed);
    QCOMPARE(p.scrolls, scrolls);
    // Placing again changes nothing.
    if (!scrolls) QCOMPARE(placeWindow(p.rect, frame, area, 14), p);
  }

  // The auxiliary windows open at their places of a large screen; on the small one
  // they move in, and on the second screen they stay on it.
  void windowsOpenInsideTheScreenTheyOpenOn() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    DistanceAdjustView distance(rig.sim.distanceAdjust(), hub);
    distance.move(520, 520);
    MobilePanelView mobile(rig.sim.mobilePanel(), hub);  // placed at 340, 47
    ConfigWindowView config(rig.sim.configView(), hub);
    config.move(1100, 300);
    rig.sim.distanceAdjust().Show();
    rig.sim.mobilePanel().Show();
    rig.sim.configView().Show();
    hub.refreshAll();
    QVERIFY(distance.isVisible() && mobile.isVisible() && config.isVisible());
    QVERIFY(inside(distance, kSmallScreen));
    QVERIFY(inside(mobile, kSmallScreen));
    QCOMPARE(mobile.y(), 47);  // only as far as needed
    QVERIFY(inside(config, kSecondScreen));
    QCOMPARE(config.pos(), QPoint(1100, 300));

    // A window that can be resized is made as large as the screen.
    HelpWindow help;
    help.move(-60, -54);
    help.show();
    QVERIFY(inside(help, kSmallScreen));
  }

  // On the small screen the setup window with its telegram half is taller than
  // the screen: its body scrolls under the menu bar, and a control reached by Tab
  // scrolls into view. Folded again, it needs no scrolling.
  void aSetupWindowTooTallForTheScreenScrolls() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    SetupWindowView view(rig.sim, hub,
                         [&](QWidget* right) { fillTelegramHalf(rig.sim, hub, right); });
    rig.sim.start();
    hub.refreshAll();
    QVERIFY(view.isVisible());
    view.menuAction("SimulationParameters1")->trigger();
    QWidget* body = view.findChild<QWidget*>("body");
    QCOMPARE(view.centralWidget(), body);  // 487 high: fits
    view.findChild<QPushButton*>("BitBtn2")->click();
    auto* scroller = qobject_cast<QScrollArea*>(view.centralWidget());
    QVERIFY(scroller);
    QVERIFY(inside(view, kSmallScreen));
    QCOMPARE(scroller->widget(), body);
    QCOMPARE(body->size(),
             QSize(400, SetupWindowView::kBodyHeight + SetupWindowView::kNetworkHeight));
    QVERIFY(scroller->viewport()->height() < body->height());

    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QWidget* last = nullptr;
    for (QWidget* w = body; (w = w->nextInFocusChain()) != body;)
      if (body->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
          (w->focusPolicy() & Qt::TabFocus))
        last = w;
    QVERIFY(last);
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), last);
    const QRect seen(last->mapTo(scroller->viewport(), QPoint(0, 0)), last->size());
    QVERIFY(scroller->viewport()->rect().contains(seen));

    view.findChild<QPushButton*>("BitBtn2")->click();  // the half goes: fits again
    QCOMPARE(view.centralWidget(), body);
    QCOMPARE(view.width(), 200);
  }

 private:
  WindowPlacer placer_;
};

int main(int argc, char** argv) {
  // The offscreen platform with the two screens above, whatever platform was asked for.
  QTemporaryFile config(QDir::temp().filePath("kestrom-screens-XXXXXX.json"));
  if (!config.open()) return 1;
  config.write(R"({"screens": [
      {"name": "front", "x": 0, "y": 0, "width": 640, "height": 512},
      {"name": "side", "x": 640, "y": 0, "width": 800, "height": 600}]})");
  config.flush();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  QApplication app(argc, argv);
  WindowPlacementTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_placement_test.moc"
