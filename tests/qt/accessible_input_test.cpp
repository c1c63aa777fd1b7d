// Every way a trainee can change a control reaches its model: the mouse, the
// keyboard and an assistive tool's accessible action (what a screen reader, a
// switch device or a desktop test tool uses).

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <memory>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "qt/about_box_view.h"
#include "qt/aid_display_view.h"
#include "qt/alignment_window_view.h"
#include "qt/bearing_window_view.h"
#include "qt/config_window_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/fix_panel_view.h"
#include "qt/help_window.h"
#include "qt/mk3_unit_view.h"
#include "qt/mobile_panel_view.h"
#include "qt/prescreen_view.h"
#include "qt/serial_output_view.h"
#include "qt/setup_window_view.h"
#include "setup/serial_output.h"
#include "testing/fakes.h"
#include "windows/about_box.h"
#include "windows/aid_display.h"
#include "windows/alignment_window.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"
#include "windows/mk3_unit.h"

using namespace kestrom;

namespace {

QAccessibleInterface* accessible(QObject* o) {
  return QAccessible::queryAccessibleInterface(o);
}

bool offers(QObject* o, const QString& action) {
  QAccessibleInterface* i = accessible(o);
  return i && i->actionInterface() && i->actionInterface()->actionNames().contains(action);
}

void act(QObject* o, const QString& action) {
  QVERIFY2(offers(o, action), qPrintable(action));
  accessible(o)->actionInterface()->doAction(action);
}

const QString kToggle = QAccessibleActionInterface::toggleAction();
const QString kPress = QAccessibleActionInterface::pressAction();

// Picks an item from a list the way an assistive tool does: opens the drop-down
// with the list's accessible action, then moves in it and presses Return.
void pickByDropDown(QComboBox* list, int steps) {
  act(list, QAccessibleActionInterface::showMenuAction());
  QWidget* popup = list->view();
  QVERIFY(popup->isVisible());
  for (int i = 0; i < steps; ++i) QTest::keyClick(popup, Qt::Key_Down);
  for (int i = 0; i > steps; --i) QTest::keyClick(popup, Qt::Key_Up);
  QTest::keyClick(popup, Qt::Key_Return);
}

void writeText(QLineEdit* edit, const QString& text) {
  accessible(edit)->setText(QAccessible::Value, text);
}

}  // namespace

class AccessibleInputTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::Rig> rig;
  std::unique_ptr<ViewHub> hub;
  std::vector<std::unique_ptr<QWidget>> windows;
  SetupWindowView* setup = nullptr;
  MobilePanelView* mobilePanel = nullptr;
  FixPanelView* fixPanel = nullptr;
  DistanceAdjustView* distance = nullptr;
  ConfigWindowView* config = nullptr;

  template <class V, class... A>
  V* add(A&&... args) {
    auto view = std::make_unique<V>(std::forward<A>(args)...);
    V* raw = view.get();
    windows.push_back(std::move(view));
    return raw;
  }
  template <class W>
  W* control(const char* name) {
    W* w = setup->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no control %s", name);
    return w;
  }
  Tmenumain& model() { return rig->sim.setupWindow(); }
  SerialOutput& serial() { return model().Serial; }
  // Setup mode with the serial output half, whatever a button folded away before.
  void showWholeSetup() {
    if (model().Height != Tmenumain::kSetupHeight) model().SimulationParameters1Click();
    if (model().Width != Tmenumain::kTelegramWidth) model().BitBtn2Click();
    hub->refreshAll();
  }
  void enterSetup() {
    showWholeSetup();
    setup->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(setup));
  }
  void chooseMk3Fix() { act(control<QRadioButton>("RadioButton2"), kToggle); }

 private slots:
  void init() {
    rig = std::make_unique<testing::Rig>();
    hub = std::make_unique<ViewHub>(rig->sim);
    setup = add<SetupWindowView>(rig->sim, *hub);
    fillTelegramHalf(rig->sim, *hub, setup->rightHalf());
    mobilePanel = add<MobilePanelView>(rig->sim.mobilePanel(), *hub);
    add<AboutBoxView>(rig->sim.aboutBox(), *hub);
    fixPanel = add<FixPanelView>(rig->sim.fixPanel(), *hub);
    add<BearingWindowView>(rig->sim.bearingWindow(), *hub);
    add<AidDisplayView>(rig->sim.aidDisplay(), *hub);
    distance = add<DistanceAdjustView>(rig->sim.distanceAdjust(), *hub);
    config = add<ConfigWindowView>(rig->sim.configView(), *hub);
    add<Mk3UnitView>(rig->sim.mk3Unit(), *hub);
    add<AlignmentWindowView>(rig->sim.alignmentWindow(), *hub);
    add<PrescreenView>(rig->sim.prescreen(), *hub);
    rig->sim.start();
    hub->refreshAll();
  }
  void cleanup() {
    windows.clear();
    hub.reset();
    rig.reset();
  }

  // Walks every control of every window, changes it by its accessible action and
  // checks that the control shows what its model holds: drawing the model again
  // changes nothing.
  void everyControlShowsItsModelAfterItsAccessibleAction() {
    enterSetup();
    for (WindowModel* w : std::initializer_list<WindowModel*>{
             &rig->sim.mobilePanel(), &rig->sim.fixPanel(), &rig->sim.aboutBox(),
             &rig->sim.bearingWindow(), &rig->sim.aidDisplay(), &rig->sim.distanceAdjust(),
             &rig->sim.configView(), &rig->sim.mk3Unit(), &rig->sim.alignmentWindow()})
      w->Show();
    hub->refreshAll();
    HelpWindow help;
    help.showContents();
    help.show();

    // The setup window last: its counter station buttons close the Fix panel.
    std::vector<QWidget*> tops;
    for (auto& w : windows)
      if (w.get() != setup) tops.push_back(w.get());
    tops.push_back(&help);
    tops.push_back(setup);
    int buttons = 0, boxes = 0, lists = 0, edits = 0, sliders = 0;
    for (QWidget* top : tops) {
      for (QWidget* w : top->findChildren<QWidget*>()) {
        // Hidden: the parts of a drop-down, a window that a Close before it shut.
        if (!w->isVisible()) continue;
        const QString what = top->windowTitle() + " / " + w->objectName() + " " +
                             accessible(w)->text(QAccessible::Name);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
          if (!b->isEnabled()) continue;
          if (b->isCheckable()) {
            act(b, kToggle);
            const bool shown = b->isChecked();
            hub->refreshAll();
            QVERIFY2(b->isChecked() == shown, qPrintable(what));
            ++boxes;
          } else {
            QVERIFY2(offers(b, kPress), qPrintable(what));
            act(b, kPress);
            QTRY_VERIFY2(!b->isDown(), qPrintable(what));
            // Exit Setup and Setup Telegrams hide what follows them.
            if (top == setup) showWholeSetup();
            ++buttons;
          }
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
          pickByDropDown(list, 1);
          const int shown = list->currentIndex();
          hub->refreshAll();
          QVERIFY2(list->currentIndex() == shown, qPrintable(what));
          ++lists;
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
          writeText(edit,
                    edit->maxLength() == 4 ? QStringLiteral("9250") : QStringLiteral("00300"));
          const QString shown = edit->text();
          hub->refreshAll();
          QVERIFY2(edit->text() == shown, qPrintable(what));
          ++edits;
        } else if (auto* slider = qobject_cast<QSlider*>(w)) {
          accessible(slider)->valueInterface()->setCurrentValue(slider->value() + 100);
          const int shown = slider->value();
          hub->refreshAll();
          QVERIFY2(slider->value() == shown, qPrintable(what));
          ++sliders;
        }
      }
    }
    // Every kind was met: the panels' keys and the windows' buttons, the radio
    // buttons and boxes, the eleven lists, both edits, the network output's ports
    // and host and the manual's find field, and the slider.
    QVERIFY(buttons >= 40);
    QVERIFY(boxes >= 10);
    QCOMPARE(lists, 4 + 7);
    QCOMPARE(edits, 3 + 3);
    QCOMPARE(sliders, 1);

    // Menu items, but the one that ends the program: a check mark pressed on shows
    // what the model holds.
    int items = 0;
    for (QMenu* menu : setup->findChildren<QMenu*>()) {
      QAccessibleInterface* m = accessible(menu);
      for (int i = 0; i < m->childCount(); ++i) {
        QAccessibleInterface* item = m->child(i);
        auto* action = menu->actions().value(i);
        if (!action || action->objectName() == QStringLiteral("Exit1") ||
            !offers(item->object(), kPress))
          continue;
        item->actionInterface()->doAction(kPress);
        const bool shown = action->isChecked();
        hub->refreshAll();
        QVERIFY2(action->isChecked() == shown, qPrintable(action->text()));
        ++items;
      }
    }
    QVERIFY(items >= 12);
  }

  void serialOutputSwitchesByEveryMeans() {
    enterSetup();
    auto* on = control<QCheckBox>("comport");
    auto* bySim = control<QCheckBox>("CheckBox1");
    pickByDropDown(control<QComboBox>("telegrams"), -3);  // ASCII 16: sent in and out of lock

    act(on, kToggle);
    QVERIFY(serial().Sending());
    QVERIFY(!bySim->isEnabled());
    QTRY_VERIFY(!rig->serial.writes.empty());
    act(on, kToggle);
    QVERIFY(!serial().Sending());
    QVERIFY(!on->isChecked());
    const std::size_t sent = rig->serial.writes.size();
    QTest::qWait(600);
    QCOMPARE(rig->serial.writes.size(), sent);

    QTest::mouseClick(on, Qt::LeftButton);
    QVERIFY(serial().Sending());
    QTest::mouseClick(on, Qt::LeftButton);
    QVERIFY(!serial().Sending());
    on->setFocus();
    QTest::keyClick(on, Qt::Key_Space);
    QVERIFY(serial().Sending());
    QTest::keyClick(on, Qt::Key_Space);
    QVERIFY(!serial().Sending());

    act(bySim, kToggle);
    QVERIFY(serial().Sending());
    QVERIFY(!control<QComboBox>("baudrate")->isEnabled());
    QVERIFY(!on->isEnabled());
    act(bySim, kToggle);
    QVERIFY(!serial().Sending());
    QVERIFY(control<QComboBox>("baudrate")->isEnabled());

    // A port that does not open: the box shows off again, with the message.
    rig->serial.missing = {1};
    act(on, kToggle);
    QVERIFY(!on->isChecked());
    QVERIFY(!serial().Sending());
    QVERIFY(bySim->isEnabled());
    QCOMPARE(rig->dialogs.shown.size(), std::size_t(1));
    QCOMPARE(rig->dialogs.shown[0].text, std::string(SerialOutput::kNotAvailable));
  }

  void setupListsAndBoxesHearEveryMeans() {
    enterSetup();
    auto* shuttle = control<QCheckBox>("CheckBox2");
    act(shuttle, kToggle);
    QCOMPARE(rig->state().ShuttleTankerSoftware, 1);
    shuttle->setFocus();
    QTest::keyClick(shuttle, Qt::Key_Space);
    QCOMPARE(rig->state().ShuttleTankerSoftware, 0);

    // The Mk 3 lists take choices only while a Mk 3 station is chosen.
    auto* addr = control<QComboBox>("ComboBox3");
    const std::string addrBefore = rig->state().CounterMk3Addr;
    pickByDropDown(addr, 1);
    QCOMPARE(rig->state().CounterMk3Addr, addrBefore);
    QCOMPARE(addr->currentIndex(), model().ComboBox3.ItemIndex);
    chooseMk3Fix();
    QCOMPARE(rig->state().CounterStationKind, CounterKind::Mk3Fix);
    pickByDropDown(addr, 1);
    QCOMPARE(rig->state().CounterMk3Addr, std::string("A    A    "));

    // Each pick of a sector draws one azimuth, by keyboard, by drop-down, or set
    // on the list by other means.
    auto* sector = control<QComboBox>("ComboBox1");
    rig->random.script({5, 7, 11});
    sector->setFocus();
    QTest::keyClick(sector, Qt::Key_Down);
    QCOMPARE(rig->state().FixAzimuth, 95.0L);
    pickByDropDown(sector, 1);
    QCOMPARE(rig->state().FixAzimuth, 187.0L);
    sector->setCurrentIndex(1);
    QCOMPARE(rig->state().FixAzimuth, 101.0L);

    pickByDropDown(control<QComboBox>("ComboBox2"), 2);
    QCOMPARE(model().Level(), 3);

    // The range edit written by an assistive tool: a whole entry, digits only.
    auto* range = control<QLineEdit>("MaskEdit1");
    writeText(range, QStringLiteral("42"));
    QCOMPARE(model().RangeDigits(), std::string("00042"));
    QCOMPARE(range->text(), QStringLiteral("00042"));
    accessible(range)->editableTextInterface()->insertText(0, QStringLiteral("x"));
    QCOMPARE(model().RangeDigits(), std::string("00042"));
    QCOMPARE(range->text(), QStringLiteral("00042"));
    accessible(range)->editableTextInterface()->replaceText(1, 3, QStringLiteral("15"));
    QCOMPARE(model().RangeDigits(), std::string("01542"));
  }

  // The Mk 3 "Freq." edit counts a frequency once the entry ends.
  void frequencyEditStoresWholeEntries() {
    enterSetup();
    chooseMk3Fix();
    auto* freq = control<QLineEdit>("MaskEdit2");
    auto* range = control<QLineEdit>("MaskEdit1");
    freq->setFocus();
    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("92"));
    QCOMPARE(freq->text(), QStringLiteral("92"));
    QCOMPARE(rig->state().CounterFreq, std::string("9300"));
    QTest::keyClick(freq, Qt::Key_Return);
    QCOMPARE(rig->dialogs.shown.size(), std::size_t(1));
    QCOMPARE(rig->state().CounterFreq, std::string("9300"));
    QCOMPARE(freq->text(), QStringLiteral("9300"));

    freq->selectAll();
    QTest::keyClicks(freq, QStringLiteral("9250"));
    QCOMPARE(rig->state().CounterFreq, std::string("9300"));
    range->setFocus();  // the focus leaves: the entry ends
    QCOMPARE(rig->state().CounterFreq, std::string("9250"));

    writeText(freq, QStringLiteral("9310"));
    QCOMPARE(rig->state().CounterFreq, std::string("9310"));
    writeText(freq, QStringLiteral("9500"));
    QCOMPARE(rig->dialogs.shown.size(), std::size_t(2));
    QCOMPARE(rig->state().CounterFreq, std::string("9310"));
    QCOMPARE(freq->text(), QStringLiteral("9310"));
    accessible(freq)->editableTextInterface()->insertText(2, QStringLiteral("x"));
    QCOMPARE(freq->text(), QStringLiteral("9310"));
    QCOMPARE(rig->dialogs.shown.size(), std::size_t(2));

    // Disabled for a Mk 4 station, whatever writes into it.
    act(control<QRadioButton>("RadioButton4"), kToggle);
    QVERIFY(!freq->isEnabled());
    const std::string before = rig->state().CounterFreq;
    writeText(freq, QStringLiteral("9250"));
    QCOMPARE(rig->state().CounterFreq, before);
    QCOMPARE(freq->text(), QString::fromStdString(model().MaskEdit2.Text));
  }

  // A tapped key acts at once; a tapped slew key turns its antenna one step.
  void panelKeysTapByTheirAccessibleAction() {
    Tmobile& mobile = rig->sim.mobilePanel();
    mobile.Show();
    hub->refreshAll();
    rig->state().AntennaDirection = 100;
    act(mobilePanel->keyButton(PanelKey::Right), kPress);
    QCOMPARE(rig->state().AntennaDirection, 100 + 0.4L);
    QVERIFY(!mobile.Tracking.Timer1.Enabled());
    act(mobilePanel->keyButton(PanelKey::D5), kPress);
    QVERIFY(mobile.MenuState != 0);
    act(mobilePanel->keyButton(PanelKey::Menu), kPress);
    QCOMPARE(mobile.MenuState, 0);

    rig->sim.fixPanel().Show();
    hub->refreshAll();
    rig->state().FixAzimuth = 50;
    act(fixPanel->keyButton(PanelKey::Left), kPress);
    QCOMPARE(rig->state().FixAzimuth, 50 - 0.4L);
    QVERIFY(!rig->sim.aidDisplay().Timer1.Enabled());
  }

  void distanceAdjusterHearsEveryMeans() {
    Tafstmenu& m = rig->sim.distanceAdjust();
    model().DistanceAdjust1Click();
    hub->refreshAll();
    QVERIFY(distance->isVisible());
    QSlider* slider = distance->slider();
    accessible(slider)->valueInterface()->setCurrentValue(2000);
    QCOMPARE(m.TrackBar1.Position, 2000);
    QCOMPARE(model().RangeDigits(), std::string("01000"));

    distance->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(distance));
    slider->setFocus();
    for (Qt::Key key :
         {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) {
      const int before = m.TrackBar1.Position;
      QTest::keyClick(slider, key);
      QVERIFY2(m.TrackBar1.Position != before, QTest::toString(key));
      QCOMPARE(m.TrackBar1.Position, slider->value());
    }
    accessible(slider)->valueInterface()->setCurrentValue(1500);

    act(distance->increaseButton(), kPress);
    QTRY_COMPARE(m.TrackBar1.Position, 1490);
    distance->decreaseButton()->setFocus();
    QTest::keyClick(distance->decreaseButton(), Qt::Key_Space);
    QCOMPARE(m.TrackBar1.Position, 1500);
    distance->increaseButton()->setFocus();
    QTest::keyClick(distance->increaseButton(), Qt::Key_Return);
    QCOMPARE(m.TrackBar1.Position, 1490);
    QCOMPARE(model().RangeDigits(), std::string("01510"));

    distance->closeButton()->setFocus();
    QTest::keyClick(distance->closeButton(), Qt::Key_Return);
    QVERIFY(!distance->isVisible());
    QVERIFY(!model().DistanceAdjust1.Checked);
  }

  // The config view's boxes and the View menu's items by accessible action.
  void configViewAndMenuItems() {
    model().SimulationParameters1Click();  // the link cycle leaves the boxes alone
    QMenu* view = setup->findChild<QMenu*>(QStringLiteral("View1"));
    QVERIFY(view);
    QAccessibleInterface* menu = accessible(view);
    QAccessibleInterface* item = nullptr;
    for (int i = 0; i < menu->childCount(); ++i)
      if (menu->child(i)->text(QAccessible::Name) == QStringLiteral("Config View"))
        item = menu->child(i);
    if (!item || !item->actionInterface()) QFAIL("no accessible Config View item");
    item->actionInterface()->doAction(kPress);
    QVERIFY(rig->sim.configView().Visible());
    QVERIFY(config->isVisible());

    Tconfigview& m = rig->sim.configView();
    act(config->box(2), kToggle);
    QCOMPARE(m.CheckBox2.Checked, config->box(2)->isChecked());
    config->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(config));
    config->box(4)->setFocus();
    const bool was = m.CheckBox4.Checked;
    QTest::keyClick(config->box(4), Qt::Key_Space);
    QCOMPARE(m.CheckBox4.Checked, !was);

    act(config->closeButton(), kPress);
    QTRY_VERIFY(!config->isVisible());
    QVERIFY(!model().ConfigView1.Checked);
  }
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  AccessibleInputTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "accessible_input_test.moc"
