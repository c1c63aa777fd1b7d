#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QtTest>
#include <memory>
#include <utility>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "qt/about_box_view.h"
#include "qt/aid_display_view.h"
#include "qt/alignment_window_view.h"
#include "qt/bearing_window_view.h"
#include "qt/config_window_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/mk3_unit_view.h"
#include "qt/prescreen_view.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
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

QStringList labelTexts(const QWidget& w) {
  QStringList texts;
  for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
  return texts;
}

bool dark(const QImage& img, int x, int y) {
  return qGray(img.pixel(x, y)) < 80;
}

}  // namespace

class AuxWindowsViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Every auxiliary window opens and hides as its model says, its close box hides
  // it through the model, and closing it never ends the program.
  void everyAuxiliaryWindowFollowsItsModelAndClosesThroughIt() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    std::vector<std::pair<std::unique_ptr<AuxWindowBase>, WindowModel*>> windows;
    windows.emplace_back(std::make_unique<BearingWindowView>(rig.sim.bearingWindow(), hub),
                         &rig.sim.bearingWindow());
    windows.emplace_back(std::make_unique<AlignmentWindowView>(rig.sim.alignmentWindow(), hub),
                         &rig.sim.alignmentWindow());
    windows.emplace_back(std::make_unique<AidDisplayView>(rig.sim.aidDisplay(), hub),
                         &rig.sim.aidDisplay());
    windows.emplace_back(std::make_unique<DistanceAdjustView>(rig.sim.distanceAdjust(), hub),
                         &rig.sim.distanceAdjust());
    windows.emplace_back(std::make_unique<ConfigWindowView>(rig.sim.configView(), hub),
                         &rig.sim.configView());
    windows.emplace_back(std::make_unique<AboutBoxView>(rig.sim.aboutBox(), hub),
                         &rig.sim.aboutBox());
    windows.emplace_back(std::make_unique<PrescreenView>(rig.sim.prescreen(), hub),
                         &rig.sim.prescreen());
    windows.emplace_back(std::make_unique<Mk3UnitView>(rig.sim.mk3Unit(), hub), &rig.sim.mk3Unit());
    for (auto& [view, model] : windows) {
      const QString name = QString::fromStdString(model->Caption());
      QCOMPARE(view->size(), QSize(model->Width, model->Height));
      QCOMPARE(view->windowTitle(), name);
      // Not counted among the windows whose closing ends the program.
      QVERIFY2(!view->testAttribute(Qt::WA_QuitOnClose), qPrintable(name));
      hub.refreshAll();
      QVERIFY2(!view->isVisible(), qPrintable(name));
      model->Show();
      hub.refreshAll();
      QVERIFY2(view->isVisible(), qPrintable(name));
      QVERIFY2(view->close(), qPrintable(name));  // the frame's close box
      QVERIFY2(!model->Visible(), qPrintable(name));
      QVERIFY2(!view->isVisible(), qPrintable(name));
      model->Show();
      hub.refreshAll();
      model->Close();
      hub.refreshAll();
      QVERIFY2(!view->isVisible(), qPrintable(name));
    }
  }

  void aidDisplayDrawsTheCurrentPictureOnly() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    Taiddisplay& aid = rig.sim.aidDisplay();
    AidDisplayView view(aid, hub);
    rig.state().FixAzimuth = 0;
    QCOMPARE(view.windowTitle(), QStringLiteral("Fix AID Display"));
    QCOMPARE(view.size(), QSize(172, 222));
    QVERIFY(!view.isVisible());
    aid.Show();
    hub.refreshAll();
    QVERIFY(view.isVisible());
    for (const char* t : {"0", "90", "180", "270", "Antenna"})
      QVERIFY2(labelTexts(view).contains(QString::fromUtf8(t)), t);
    QCOMPARE(view.closeButton()->text(), QStringLiteral("Close"));

    // Pointer straight down for azimuth 0; after a turn the old line is gone.
    QImage img = view.grab().toImage();
    QVERIFY(dark(img, 89, 120));
    QVERIFY(!dark(img, 69, 100));
    QVERIFY(view.dial()->accessibleDescription().contains(QStringLiteral("180.00")));
    rig.state().FixAzimuth = 45;  // pointer down to the left
    hub.refreshAll();
    img = view.grab().toImage();
    QVERIFY(!dark(img, 89, 120));
    QVERIFY(dark(img, 69, 100));
    QVERIFY(view.dial()->accessibleDescription().contains(QStringLiteral("225.00")));

    // In-lock lines come and go with the flag; the arc with autosearch.
    AidLines g = aid.lines();
    QPoint lockLine = QLineF(89, 80, g.inLockLeft.x, g.inLockLeft.y).pointAt(0.9).toPoint();
    QVERIFY(!dark(img, lockLine.x(), lockLine.y()));
    aid.drawinlocklines(1);
    hub.refreshAll();
    QVERIFY(dark(view.grab().toImage(), lockLine.x(), lockLine.y()));
    aid.drawinlocklines(0);
    hub.refreshAll();
    QVERIFY(!dark(view.grab().toImage(), lockLine.x(), lockLine.y()));

    rig.state().FixAutosearchDisplay = 1;
    rig.state().FixScanLimitLeft = "200";
    rig.state().FixScanLimitRight = "250";
    hub.refreshAll();
    img = view.grab().toImage();
    auto onArc = [&](double compass) {
      Point p = polarPoint({89, 80}, 57, compass);
      return dark(img, p.x, p.y);
    };
    QVERIFY(onArc(225));  // the arc covers the scanned sector 200..250
    QVERIFY(onArc(240));
    QVERIFY(!onArc(0));
    QVERIFY(!onArc(100));
    QVERIFY(view.dial()->accessibleDescription().contains(QStringLiteral("sector")));

    QCOMPARE(view.lamp()->accessibleDescription(), QStringLiteral("unlit, silver"));
    aid.ApdStatusLight1.Lit = true;
    hub.refreshAll();
    QCOMPARE(view.lamp()->accessibleDescription(), QStringLiteral("lit, lime"));
    QCOMPARE(view.lamp()->accessibleName(), QStringLiteral("Inlock Status LED"));

    rig.sim.setupWindow().FixAIDDisplay1.Checked = true;
    QTest::mouseClick(view.closeButton(), Qt::LeftButton);
    QVERIFY(!view.isVisible());
    QVERIFY(!aid.Visible());
    QVERIFY(!rig.sim.setupWindow().FixAIDDisplay1.Checked);
  }

  void bearingWindowShowsLastBearingAndClosesByFrame() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    Tabw& abw = rig.sim.bearingWindow();
    BearingWindowView view(abw, hub);
    QCOMPARE(view.bearingLabel()->text(), QStringLiteral("0.00"));
    abw.showBearing(245.5);
    abw.Show();
    rig.sim.setupWindow().Azimuthwindow1.Checked = true;
    hub.refreshAll();
    QVERIFY(view.isVisible());
    QCOMPARE(view.bearingLabel()->text(), QStringLiteral("245.50"));
    QCOMPARE(view.bearingLabel()->accessibleName(), QStringLiteral("245.50"));
    QCOMPARE(view.bearingLabel()->font().pixelSize(), 64);

    view.close();  // the frame's close box
    QVERIFY(!abw.Visible());
    QVERIFY(!view.isVisible());
    QVERIFY(!rig.sim.setupWindow().Azimuthwindow1.Checked);

    abw.Show();
    hub.refreshAll();
    QTest::mouseClick(view.closeButton(), Qt::LeftButton);
    QVERIFY(!abw.Visible());
  }

  void distanceSliderWritesTheRange() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    Tafstmenu& dist = rig.sim.distanceAdjust();
    DistanceAdjustView view(dist, hub);
    rig.sim.setupWindow().MaskEdit1.Text = "00126";
    rig.random.script({4});
    dist.Show();
    hub.refreshAll();
    QVERIFY(view.isVisible());
    QCOMPARE(view.windowTitle(), QStringLiteral("Distance Adjust"));
    QCOMPARE(view.slider()->value(), 2874);
    QCOMPARE(view.bar()->value(), 126);
    QCOMPARE(view.distanceLabel()->text(), QStringLiteral("126.34"));
    for (const char* t : {"Kestrom Distance : ", "Meter", "Max.", "Min.", "0 Mtr.", "3000 Mtr."})
      QVERIFY2(labelTexts(view).contains(QString::fromUtf8(t)), t);
    QCOMPARE(view.increaseButton()->text(), QStringLiteral("Increase  "));
    QCOMPARE(view.decreaseButton()->text(), QStringLiteral("Decrease"));

    // Dragged (as the slider reports a move) and stepped by the buttons.
    view.slider()->setValue(1000);
    QCOMPARE(rig.sim.setupWindow().MaskEdit1.Text, std::string("02000"));
    QCOMPARE(view.distanceLabel()->text(), QStringLiteral("2000.00"));
    QTest::mouseClick(view.increaseButton(), Qt::LeftButton);
    QCOMPARE(view.slider()->value(), 990);
    QCOMPARE(rig.sim.setupWindow().MaskEdit1.Text, std::string("02010"));
    QTest::mouseClick(view.decreaseButton(), Qt::LeftButton);
    QCOMPARE(view.bar()->value(), 2000);

    // The top of the slider is the long end: a click above the handle
    // lengthens the distance, and the Up key does too.
    QTest::mouseClick(view.slider(), Qt::LeftButton, {}, QPoint(view.slider()->width() / 2, 2));
    QVERIFY(dist.TrackBar1.Position < 1000);
    int before = dist.TrackBar1.Position;
    view.slider()->setFocus();
    QTest::keyClick(view.slider(), Qt::Key_Up);
    QCOMPARE(dist.TrackBar1.Position, before - 2);

    rig.sim.setupWindow().DistanceAdjust1.Checked = true;
    QTest::mouseClick(view.closeButton(), Qt::LeftButton);
    QVERIFY(!view.isVisible());
    QVERIFY(!rig.sim.setupWindow().DistanceAdjust1.Checked);
  }

  void configViewTicksBoxesAndTakesClicks() {
    testing::Rig rig;
    ViewHub hub(rig.sim);
    Tconfigview& cv = rig.sim.configView();
    ConfigWindowView view(cv, hub);
    cv.Show();
    hub.refreshAll();
    QVERIFY(view.isVisible());
    for (const char* t : {"Inlock Criteria", "Frequencies ", "Address Selection",
                          "ABU configuration", "Operating Mode", "Power Mode"})
      QVERIFY2(labelTexts(view).contains(QString::fromUtf8(t)), t);
    for (int row = 1; row <= 5; ++row) QCOMPARE(view.box(row)->text(), QStringLiteral("OK"));

    cv.setCondition(3, true);
    hub.refreshAll();
    QVERIFY(view.box(3)->isChecked());
    QTest::mouseClick(view.box(2), Qt::LeftButton);
    QVERIFY(cv.CheckBox2.Checked);
    QVERIFY(view.box(2)->isChecked());
    cv.setCondition(2, false);
    hub.refreshAll();
    QVERIFY(!view.box(2)->isChecked());

    rig.sim.setupWindow().ConfigView1.Checked = true;
    view.close();
    QVERIFY(!cv.Visible());
    QVERIFY(!rig.sim.setupWindow().ConfigView1.Checked);
  }
};

}  // namespace kestrom

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kestrom::AuxWindowsViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "aux_windows_view_test.moc"
