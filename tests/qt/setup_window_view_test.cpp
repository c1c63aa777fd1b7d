#include "qt/setup_window_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QtTest>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "qt/serial_output_view.h"
#include "setup/serial_output.h"
#include "support/accessibility_counter.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"
#include "windows/distance_adjust.h"

using namespace kestrom;

using testing::countingFactory;
using testing::told;

class SetupWindowViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::Rig> rig;
  std::unique_ptr<ViewHub> hub;
  std::unique_ptr<SetupWindowView> view;

  Tmenumain& model() { return rig->sim.setupWindow(); }
  QAction* action(const char* name) {
    QAction* a = view->menuAction(name);
    if (!a) qFatal("no menu item %s", name);
    return a;
  }
  void pick(const char* name, int index) {
    auto* box = control<QComboBox>(name);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  template <class W>
  W* control(const char* name) {
    W* w = view->findChild<W*>(QString::fromUtf8(name));
    if (!w) qFatal("no control %s", name);
    return w;
  }
  int menuBarHeight() { return view->menuBar()->sizeHint().height(); }

  // The program's setup window, the serial and network output in its right half,
  // in setup mode.
  void fillAndEnterSetup() {
    view.reset();
    view = std::make_unique<SetupWindowView>(
        rig->sim, *hub, [this](QWidget* right) { fillTelegramHalf(rig->sim, *hub, right); });
    hub->refreshAll();
    action("SimulationParameters1")->trigger();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
  }
  // The controls a trainee sets below the menu bar: lists, edits, boxes, buttons.
  QList<QWidget*> controls() {
    QList<QWidget*> found;
    for (QWidget* w : control<QWidget>("body")->findChildren<QWidget*>()) {
      if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
          qobject_cast<QAbstractButton*>(w))
        found << w;
    }
    return found;
  }
  // What the operator can set in the output half.
  std::vector<std::string> outputSettings() {
    SerialOutput& s = model().Serial;
    std::vector<std::string> v;
    for (const ComboBox* b :
         {&s.coms, &s.baudrate, &s.databits, &s.parity, &s.stopbits, &s.updaterate, &s.telegrams})
      v.push_back(b->Text());
    for (const CheckBox* b : {&s.comport, &s.CheckBox1, &s.Network.tcpServer, &s.Network.udp})
      v.push_back(b->Checked ? "on" : "off");
    for (const Edit* e : {&s.Network.tcpPort, &s.Network.udpPort, &s.Network.udpHost})
      v.push_back(e->Text);
    return v;
  }
  // Walks the focus chain with Tab from the first control, pressing Up in each list
  // on the way as a trainee trying the lists would; the widgets it reached.
  std::set<QWidget*> walkWithTab() {
    std::set<QWidget*> reached;
    control<QRadioButton>("RadioButton4")->setFocus();
    for (int i = 0; i < 60; ++i) {
      QWidget* at = QApplication::focusWidget();
      if (!at) break;
      reached.insert(at);
      if (qobject_cast<QComboBox*>(at)) QTest::keyClick(at, Qt::Key_Up);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return reached;
  }

 private slots:
  void init() {
    rig = std::make_unique<testing::Rig>();
    hub = std::make_unique<ViewHub>(rig->sim);
    view = std::make_unique<SetupWindowView>(rig->sim, *hub);
    rig->sim.start();
    hub->refreshAll();
  }
  void cleanup() {
    QAccessible::removeFactory(countingFactory);
    view.reset();
    hub.reset();
    rig.reset();
  }

  void restingOnAMenuShowsItsHint() {
    QMenuBar* bar = view->menuBar();
    const QRect setup = bar->actionGeometry(action("Setup1"));
    QHelpEvent help(QEvent::ToolTip, setup.center(), bar->mapToGlobal(setup.center()));
    QApplication::sendEvent(bar, &help);
    QCOMPARE(QToolTip::text(), QStringLiteral("Setup Simulation Parameters"));
  }

  void menusShowTheModel() {
    QVERIFY(view->isVisible());
    QCOMPARE(view->windowTitle(), QStringLiteral("Kestrom Simulation"));
    QCOMPARE(view->pos(), QPoint(0, 0));
    QCOMPARE(view->size(), QSize(200, menuBarHeight()));

    QCOMPARE(action("Exit1")->text(), QStringLiteral("&Exit"));
    QCOMPARE(action("Exit1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    QCOMPARE(action("Exit1")->statusTip(), QStringLiteral("Exit Kestrom Simulator"));
    QCOMPARE(action("Setup1")->statusTip(), QStringLiteral("Setup Simulation Parameters"));
    QCOMPARE(action("ABU1")->statusTip(), QStringLiteral("Activate Operating Panels or Telescope"));
    QCOMPARE(action("View1")->statusTip(), QStringLiteral("View Extra Windows"));
    QCOMPARE(action("Help1")->statusTip(), QStringLiteral("Help and About"));
    QCOMPARE(view->menuBar()->actions().size(), 5);

    QVERIFY(action("AzimuthFrozenAlarm1")->isChecked());
    QVERIFY(!action("LowBatteryAlarm1")->isChecked());
    QVERIFY(!action("Status1")->isVisible());
    QCOMPARE(action("Status1")->text(), QStringLiteral("Status "));
    QVERIFY(!action("Beacon1")->isEnabled());
    QVERIFY(action("Fix1")->isEnabled());
    QVERIFY(action("FixAIDDisplay1")->isEnabled());

    // A check mark follows the model, also when the window changes it.
    action("LowBatteryAlarm1")->trigger();
    QVERIFY(action("LowBatteryAlarm1")->isChecked());
    QVERIFY(!action("AzimuthFrozenAlarm1")->isChecked());
    action("LowBatteryAlarm1")->trigger();  // choosing it again keeps it chosen
    QVERIFY(action("LowBatteryAlarm1")->isChecked());
    QVERIFY(model().LowBatteryAlarm1.Checked);

    action("DistanceAdjust1")->trigger();
    QVERIFY(action("DistanceAdjust1")->isChecked());
    QVERIFY(rig->sim.distanceAdjust().Visible());
    model().DistanceAdjust1.Checked = false;  // as the window does when closed
    rig->sim.distanceAdjust().Close();
    hub->refreshAll();
    QVERIFY(!action("DistanceAdjust1")->isChecked());

    action("Status1")->setVisible(true);
    model().Status1.Visible = true;
    hub->refreshAll();
    QVERIFY(action("Status1")->isVisible());

    action("Manual1")->trigger();
    QCOMPARE(rig->help.opened.size(), std::size_t(1));
  }

  void setupModeSizesTheWindow() {
    QWidget* right = view->rightHalf();
    QVERIFY(right);
    action("SimulationParameters1")->trigger();
    QCOMPARE(model().Height, 487);
    const int full = menuBarHeight() + SetupWindowView::kBodyHeight;
    QCOMPARE(view->size(), QSize(200, full));
    QVERIFY(!action("FixAIDDisplay1")->isEnabled());

    auto* telegrams = control<QPushButton>("BitBtn2");
    QCOMPARE(telegrams->text(), QStringLiteral("Setup Telegrams"));
    QTest::mouseClick(telegrams, Qt::LeftButton);
    // The right-hand half reaches lower, for the network output.
    const int network = SetupWindowView::kNetworkHeight;
    QCOMPARE(view->size(), QSize(400, full + network));
    QCOMPARE(right->geometry(), QRect(200, 0, 200, SetupWindowView::kBodyHeight + network));
    QTest::mouseClick(telegrams, Qt::LeftButton);
    QCOMPARE(view->width(), 200);

    auto* exitSetup = control<QPushButton>("BitBtn1");
    QCOMPARE(exitSetup->text(), QStringLiteral("Exit Setup"));
    QTest::mouseClick(exitSetup, Qt::LeftButton);
    QCOMPARE(view->size(), QSize(200, menuBarHeight()));
    QVERIFY(action("FixAIDDisplay1")->isEnabled());
  }

  void controlsForwardToTheModel() {
    action("SimulationParameters1")->trigger();
    auto* mk3Fix = control<QRadioButton>("RadioButton2");
    QCOMPARE(mk3Fix->text(), QStringLiteral("Kestrom Mk 3 Fix Station"));
    QTest::mouseClick(mk3Fix, Qt::LeftButton);
    QCOMPARE(rig->state().CounterStationKind, CounterKind::Mk3Fix);
    QVERIFY(!control<QRadioButton>("RadioButton4")->isChecked());
    QVERIFY(!action("Fix1")->isEnabled());
    QVERIFY(control<QComboBox>("ComboBox3")->isEnabled());
    QVERIFY(control<QLineEdit>("MaskEdit2")->isEnabled());
    QCOMPARE(control<QComboBox>("ComboBox5")->currentText(), QStringLiteral("- 30 MHZ"));

    control<QComboBox>("ComboBox5")->setCurrentIndex(0);
    QCOMPARE(rig->state().CounterMk3FreqOffset, std::string("+ 30 MHZ"));
    control<QComboBox>("ComboBox3")->setCurrentIndex(12);
    QCOMPARE(rig->state().CounterMk3Addr, std::string("C    C    "));

    auto* shuttle = control<QCheckBox>("CheckBox2");
    QTest::mouseClick(shuttle, Qt::LeftButton);
    QCOMPARE(rig->state().ShuttleTankerSoftware, 1);

    auto* range = control<QLineEdit>("MaskEdit1");
    range->selectAll();
    QTest::keyClicks(range, QStringLiteral("4a2"));
    QCOMPARE(range->text(), QStringLiteral("42"));
    QCOMPARE(model().RangeDigits(), std::string("42"));
    QTest::keyClick(range, Qt::Key_Return);
    QCOMPARE(range->text(), QStringLiteral("00042"));
    QCOMPARE(model().RangeDigits(), std::string("00042"));

    // Lists act when the operator picks an item, the same one again included.
    pick("ComboBox1", 2);
    QVERIFY(rig->state().FixAzimuth >= 180 && rig->state().FixAzimuth <= 270);
    const double first = rig->state().FixAzimuth;
    pick("ComboBox1", 2);
    QVERIFY(rig->state().FixAzimuth != first);

    pick("ComboBox2", 2);
    QCOMPARE(model().Level(), 3);
    QVERIFY(model().Timer3.Enabled());
    QVERIFY(!action("Azimuthwindow1")->isEnabled());

    // A reset shows the first level again and leaves the scenario controls.
    action("ResetParameters1")->trigger();
    QCOMPARE(control<QComboBox>("ComboBox2")->currentIndex(), 0);
    QVERIFY(model().Timer3.Enabled());
    QCOMPARE(range->text(), QStringLiteral("00042"));
    QVERIFY(mk3Fix->isChecked());
    QCOMPARE(rig->state().CounterStationKind, CounterKind::Mk3Fix);
  }

  // What the window's size leaves out takes no focus and no key, and assistive
  // tools see it as not on show; it comes back with the width.
  void onlyWhatIsOnShowTakesTheFocus() {
    fillAndEnterSetup();
    QWidget* right = view->rightHalf();
    const std::vector<std::string> before = outputSettings();
    for (QWidget* w : walkWithTab()) QVERIFY2(!right->isAncestorOf(w), qPrintable(w->objectName()));
    QCOMPARE(outputSettings(), before);
    int outputControls = 0;
    for (QWidget* w : controls()) {
      if (!right->isAncestorOf(w)) continue;
      const QAccessible::State state = QAccessible::queryAccessibleInterface(w)->state();
      QVERIFY2(state.invisible || !state.focusable, qPrintable(w->objectName()));
      ++outputControls;
    }
    QCOMPARE(outputControls, 7 + 4 + 3);

    QTest::mouseClick(control<QPushButton>("BitBtn2"), Qt::LeftButton);
    const std::set<QWidget*> reached = walkWithTab();
    for (QWidget* w : controls()) {
      if (right->isAncestorOf(w)) QVERIFY2(reached.count(w), qPrintable(w->objectName()));
    }
    QVERIFY(
        !QAccessible::queryAccessibleInterface(control<QComboBox>("databits"))->state().invisible);

    // Folded to its menu bar, nothing below the menu bar is on show.
    QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(!focus || !control<QWidget>("body")->isAncestorOf(focus));
    for (QWidget* w : controls())
      QVERIFY2(QAccessible::queryAccessibleInterface(w)->state().invisible,
               qPrintable(w->objectName()));
  }

  // A screen reader names each control by what it is: by the label beside it, or
  // what the manual calls it where none is, never by its value or an internal name.
  void everyControlIsNamedByWhatItIs() {
    fillAndEnterSetup();
    model().BitBtn2Click();
    hub->refreshAll();
    QSet<QString> internal;
    for (QObject* o : view->findChildren<QObject*>()) internal << o->objectName();
    int lists = 0;
    for (QWidget* w : controls()) {
      // A list's interface takes its current item for its name on Linux, by Qt's
      // design; its own name is what the other platforms and the label carry.
      const QString name = qobject_cast<QComboBox*>(w)
                               ? w->accessibleName()
                               : QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
      const QString what = w->objectName() + " \"" + name + "\"";
      QVERIFY2(!name.isEmpty() && !internal.contains(name), qPrintable(what));
      QVERIFY2(
          !internal.contains(w->accessibleDescription()) || w->accessibleDescription().isEmpty(),
          qPrintable(what));
      if (auto* edit = qobject_cast<QLineEdit*>(w))
        QVERIFY2(name != edit->text(), qPrintable(what));
      if (auto* list = qobject_cast<QComboBox*>(w)) {
        QVERIFY2(list->findText(name) < 0, qPrintable(what));
        ++lists;
      }
      if (qobject_cast<QRadioButton*>(w)) {
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(w)->parent();
        QVERIFY2(!group->text(QAccessible::Name).isEmpty(), qPrintable(what));
      }
    }
    QCOMPARE(lists, 4 + 7);
    // A list or edit with a label beside it is labelled by it, which is what a
    // screen reader on Linux speaks for a list.
    for (const char* name :
         {"ComboBox3", "MaskEdit2", "ComboBox5", "MaskEdit1", "ComboBox1", "ComboBox2"}) {
      auto* w = control<QWidget>(name);
      QStringList labels;
      for (const auto& [label, relation] :
           QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
      QVERIFY2(labels.contains(w->accessibleName()), name);
    }
    QCOMPARE(control<QComboBox>("ComboBox1")->accessibleName(), QStringLiteral("Sector"));
    QCOMPARE(control<QComboBox>("ComboBox3")->accessibleName(), QStringLiteral("Addr."));
  }

  // Redrawing a model that did not change tells assistive tools nothing; a change
  // the model makes tells them once, from the control that shows it.
  void redrawsSpeakOnlyOfChanges() {
    // A control's interface is made when it is first shown: a window made now.
    told.clear();
    QAccessible::installFactory(countingFactory);
    fillAndEnterSetup();
    model().BitBtn2Click();
    hub->refreshAll();
    QAccessible::removeFactory(countingFactory);
    const QList<QWidget*> shown = controls();
    for (QWidget* w : shown) QVERIFY2(told.count(w), qPrintable(w->objectName()));

    for (auto& [control, times] : told) times = 0;
    for (int i = 0; i < 10; ++i) hub->refreshAll();
    QTest::qWait(700);  // the timers' own redraws too
    for (QWidget* w : shown) QVERIFY2(told[w] == 0, qPrintable(w->objectName()));

    model().Serial.followMobileOutTelegram("ASCII 17");
    hub->refreshAll();
    hub->refreshAll();
    auto* telegrams = control<QComboBox>("telegrams");
    QCOMPARE(telegrams->currentText(), QStringLiteral("ASCII 17"));
    QCOMPARE(told[telegrams], 1);
    for (QWidget* w : shown)
      if (w != telegrams) QVERIFY2(told[w] == 0, qPrintable(w->objectName()));
  }

  void theProgramsWindowBuildsItsControlsWhenFirstWidened() {
    view.reset();
    QWidget* filled = nullptr;
    view = std::make_unique<SetupWindowView>(rig->sim, *hub,
                                             [&filled](QWidget* right) { filled = right; });
    hub->refreshAll();
    QVERIFY(!view->findChild<QWidget*>(QStringLiteral("body")));
    QVERIFY(!filled);
    QVERIFY(view->menuAction("Exit1"));

    model().SimulationParameters1Click();
    hub->refreshAll();
    QVERIFY(filled);
    QCOMPARE(filled, view->rightHalf());
    QVERIFY(control<QWidget>("body")->isVisible());
    QCOMPARE(view->height(), menuBarHeight() + SetupWindowView::kBodyHeight);
    // The controls built late forward like the others.
    control<QRadioButton>("RadioButton3")->click();
    QCOMPARE(rig->state().CounterStationKind, CounterKind::Mk4Beacon);
  }

  void comingBackFromAnotherWindowCollapsesIt() {
    Timer tracking(rig->sim.scheduler(), 9999, 500, true);
    model().registerTrackingTimer(tracking);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    action("SimulationParameters1")->trigger();
    QCOMPARE(model().Height, 487);

    QWidget other;
    other.setWindowTitle(QStringLiteral("other"));
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(model().Height, 487);  // leaving does nothing

    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QCOMPARE(model().Height, 45);
    QCOMPARE(view->height(), menuBarHeight());
    QVERIFY(!tracking.Enabled());
  }

  void comingBackFromAMessageBoxKeepsSetupMode() {
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    action("SimulationParameters1")->trigger();

    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == box.windowHandle(); }));
    box.close();
    view->activateWindow();
    QVERIFY(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == view->windowHandle(); }));
    QCOMPARE(model().Height, 487);
  }

  void exitEndsTheProgramAndClosesEveryWindow() {
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    action("Exit1")->trigger();
    QVERIFY(!model().Visible());
    QVERIFY(!view->isVisible());
    QVERIFY(!other.isVisible());
  }

  void exitShortcutEndsTheProgram() {
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QTest::keyClick(view.get(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!model().Visible());
  }

  void closeBoxEndsTheProgram() {
    view->close();
    QVERIFY(!model().Visible());
    QVERIFY(!view->isVisible());
  }
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SetupWindowViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "setup_window_view_test.moc"
