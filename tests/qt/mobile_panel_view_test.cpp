#include <QAccessible>
#include <QApplication>
#include <QPaintEvent>
#include <QtTest>
#include <cmath>
#include <memory>

#include "panels/mobile/mobile_panel.h"
#include "qt/mobile_panel_view.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"

using namespace kestrom;

namespace {

// The pixel holding the point at compass angle `deg` and radius r from the dial's
// centre (175, 128).
QPoint onDial(double deg, double r) {
  const double a = deg * M_PI / 180.0;
  return QPoint(int(std::floor(175 + r * std::sin(a))), int(std::floor(128 - r * std::cos(a))));
}

bool dark(const QImage& img, QPoint p) {
  return qGray(img.pixel(p)) < 90;
}

// Inside the arc's wide band, clear of the dial circle's thinner line.
constexpr double kArcBand = 57;

// Counts the paint events that touch the dial.
class DialPaintCounter : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint &&
        static_cast<QPaintEvent*>(e)->region().intersects(QRect(150, 100, 50, 50)))
      ++count;
    return false;
  }
};

}  // namespace

class MobilePanelViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::Rig> rig;
  std::unique_ptr<ViewHub> hub;
  std::unique_ptr<MobilePanelView> view;

  Tmobile& mobile() { return rig->sim.mobilePanel(); }
  SimulationState& state() { return rig->state(); }
  QImage shot() {
    hub->refreshAll();
    return view->grab().toImage();
  }
  QString dialText(QAccessible::Text t) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view->dialWidget());
    return iface ? iface->text(t) : QString();
  }

 private slots:
  void init() {
    rig = std::make_unique<testing::Rig>();
    hub = std::make_unique<ViewHub>(rig->sim);
    view = std::make_unique<MobilePanelView>(mobile(), *hub);
    state().AntennaDirection = 0;
    state().FixAzimuth = 200;  // far from the antenna unless a test moves it
    state().MobileScanDrawPhase = 0;
    mobile().Tracking.InBeam = 0;
  }
  void cleanup() {
    view.reset();
    hub.reset();
    rig.reset();
  }

  void windowShowsFromTheSetupMenuAndHidesByItsCloseBox() {
    QCOMPARE(view->windowTitle(), QStringLiteral("Kestrom Mobile Extended Operating Panel (EOP)"));
    QCOMPARE(view->size(), QSize(630, 438));
    QCOMPARE(view->minimumSize(), view->maximumSize());
    QVERIFY(!(view->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QVERIFY(view->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(view->pos(), QPoint(340, 47));  // beside the Fix panel, not over it

    QVERIFY(view->isHidden());
    rig->sim.setupWindow().Mobile1Click();
    hub->refreshAll();
    QVERIFY(view->isVisible());
    QCOMPARE(view->cellWidget(Cell::L1)->text(), QStringLiteral("     (MAIN MENU MOB)"));

    QVERIFY(view->close());
    QVERIFY(!mobile().Visible());
    QVERIFY(view->isHidden());

    rig->sim.setupWindow().Mobile1Click();
    hub->refreshAll();
    state().InLock = 1;
    view->keyButton(PanelKey::OnOff)->click();
    QCOMPARE(state().InLock, 0);
    QVERIFY(!mobile().Visible());
    QVERIFY(view->isHidden());
  }

  void dialShowsTheAntennaWhereItIsNow() {
    mobile().Show();
    QImage img = shot();
    QVERIFY(dark(img, onDial(0, 40)));  // pointer straight up
    QVERIFY(!dark(img, onDial(135, 40)));

    state().AntennaDirection = 135;
    img = shot();
    QVERIFY(dark(img, onDial(135, 40)));
    QVERIFY(!dark(img, onDial(0, 40)));  // the old pointer is gone
    QVERIFY(dark(img, onDial(45, 40)));  // the crossbar
    QVERIFY(dark(img, onDial(225, 40)));
  }

  void dialIsRepaintedOnlyWhenItsPictureChanges() {
    mobile().Show();
    hub->refreshAll();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    DialPaintCounter counter;
    view->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.count = 0;

    hub->refreshAll();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);

    state().AntennaDirection = 90;
    hub->refreshAll();
    QCoreApplication::processEvents();
    QVERIFY(counter.count >= 1);

    counter.count = 0;
    mobile().Tracking.InBeam = 1;
    hub->refreshAll();
    QCoreApplication::processEvents();
    QVERIFY(counter.count >= 1);
    view->removeEventFilter(&counter);
  }

  void scanArcCoversTheScannedSectorWhileShown() {
    mobile().Show();
    state().MobileScanLimitLeft = "100";
    state().MobileScanLimitRight = "150";
    QImage img = shot();
    QVERIFY(!dark(img, onDial(125, kArcBand)));  // no arc before AUTOSEARCH

    state().MobileScanDrawPhase = 1;
    img = shot();
    for (double deg : {105.0, 125.0, 145.0}) QVERIFY2(dark(img, onDial(deg, kArcBand)), "in arc");
    // The sweep runs clockwise from the left limit: nothing on the far side.
    for (double deg : {95.0, 155.0, 200.0, 270.0, 45.0})
      QVERIFY2(!dark(img, onDial(deg, kArcBand)), "outside arc");

    // A sector across north.
    state().AntennaDirection = 180;
    state().MobileScanLimitLeft = "350";
    state().MobileScanLimitRight = "10";
    img = shot();
    for (double deg : {355.0, 0.0, 5.0}) QVERIFY2(dark(img, onDial(deg, kArcBand)), "in arc");
    for (double deg : {20.0, 340.0, 90.0, 270.0})
      QVERIFY2(!dark(img, onDial(deg, kArcBand)), "outside arc");

    // Leaving AUTOSEARCH takes the arc away again.
    state().MobileScanDrawPhase = 3;
    QVERIFY(!dark(shot(), onDial(0, kArcBand)));
    state().MobileScanDrawPhase = 0;
    QVERIFY(!dark(shot(), onDial(0, kArcBand)));
  }

  void scanArcAnglesRunClockwiseFromTheLeftLimit() {
    auto arc = scanArcAngles(mobileDialPicture(0, false, 150, 100));
    QVERIFY(arc && std::abs(arc->start - 150) < 1 && std::abs(arc->span - 310) < 1.5);
    arc = scanArcAngles(mobileDialPicture(0, false, 40, 40));  // equal: all round
    QVERIFY(arc && arc->span == 360.0);
    QVERIFY(!scanArcAngles(mobileDialPicture(0, false, std::nullopt, std::nullopt)));
  }

  void beamLinesShowWhileTheAntennaIsInBeam() {
    mobile().Show();
    state().AntennaDirection = 60;
    QVERIFY(!dark(shot(), onDial(70, 42)));

    // The link cycle finds the antenna 1 degree short of the Fix: in beam.
    state().FixAzimuth = 61;
    rig->advance(500);
    QCOMPARE(mobile().Tracking.InBeam, 1);
    QImage img = shot();
    QVERIFY(dark(img, onDial(70, 42)));
    QVERIFY(dark(img, onDial(50, 42)));
    QVERIFY(dialText(QAccessible::Description).endsWith(QStringLiteral(", in beam")));

    state().FixAzimuth = 200;
    rig->advance(500);
    QCOMPARE(mobile().Tracking.InBeam, 0);
    img = shot();
    QVERIFY(!dark(img, onDial(70, 42)));
    QVERIFY(!dark(img, onDial(50, 42)));
  }

  void slewKeysTurnTheAntennaOnTheDial() {
    mobile().Show();
    rig->advance(100);  // the first tick after showing only draws the antenna
    hub->refreshAll();
    QVERIFY(!mobile().Tracking.Timer1.Enabled());

    QWidget* right = view->keyButton(PanelKey::Right);
    QTest::mousePress(right, Qt::LeftButton, {}, right->rect().center());
    QVERIFY(mobile().Tracking.Timer1.Enabled());
    QCOMPARE(mobile().Tracking.SlewDirection, Slew::Right);
    rig->advance(1000);
    QTest::mouseRelease(right, Qt::LeftButton, {}, right->rect().center());
    QVERIFY(!mobile().Tracking.Timer1.Enabled());
    QCOMPARE(mobile().Tracking.SlewDirection, Slew::Stopped);
    const double turned = state().AntennaDirection;
    QVERIFY(turned > 3 && turned < 5);
    QVERIFY(dark(shot(), onDial(turned, 45)));
  }

  void dialTellsScreenReadersItsBearingScanAndBeam() {
    QCOMPARE(dialText(QAccessible::Name), QStringLiteral("Antenna"));
    state().AntennaDirection = 123.4;
    hub->refreshAll();
    QCOMPARE(dialText(QAccessible::Description), QStringLiteral("bearing 123.40 degrees"));

    state().AntennaDirection = -10;
    state().MobileScanLimitLeft = "100";
    state().MobileScanLimitRight = "150.40";
    state().MobileScanDrawPhase = 1;
    hub->refreshAll();
    QCOMPARE(dialText(QAccessible::Description),
             QStringLiteral("bearing 350.00 degrees, scanning 100 to 150"));

    mobile().Tracking.InBeam = 1;
    state().MobileScanDrawPhase = 3;
    hub->refreshAll();
    QCOMPARE(dialText(QAccessible::Description), QStringLiteral("bearing 350.00 degrees, in beam"));

    // The dial takes no clicks: the plate beneath still gets the mouse.
    QVERIFY(view->childAt(QPoint(175, 128)) != view->dialWidget());
  }
};

QTEST_MAIN(MobilePanelViewTest)
#include "mobile_panel_view_test.moc"
