// What a blind trainee hears of the station panels and the AID display: the
// display holds the focus and its four lines, each new screen, typed value, field
// under edit and lamp change is said once, as a status bar's notification, and
// nothing is said or told while only live readings change.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QtTest>
#include <memory>

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "qt/aid_display_view.h"
#include "qt/beacon_panel_view.h"
#include "qt/fix_panel_view.h"
#include "qt/mobile_panel_view.h"
#include "qt/panel_accessibility.h"
#include "setup/simulation_state.h"
#include "support/accessibility_counter.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"

using namespace kestrom;
using testing::told;

namespace {

// What a window's Announcer says, in order: each notification as it shows.
class Heard : public QObject {
 public:
  explicit Heard(QWidget* window) {
    for (auto* note : window->findChildren<AnnouncementNote*>()) note->installEventFilter(this);
  }
  QStringList take() { return std::exchange(said_, {}); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show) said_ << static_cast<AnnouncementNote*>(o)->message();
    return false;
  }

 private:
  QStringList said_;
};

QAccessibleInterface* accessible(QObject* o) {
  return QAccessible::queryAccessibleInterface(o);
}

void type(const QString& keys) {
  for (QChar c : keys) {
    QWidget* at = QApplication::focusWidget();
    QVERIFY(at);
    QTest::keyClick(at, c.toLatin1());
  }
}

enum class Station { Mobile, Fix, Beacon };

}  // namespace

Q_DECLARE_METATYPE(Station)

class PanelScreenReaderTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::Rig> rig;
  std::unique_ptr<ViewHub> hub;
  std::unique_ptr<MobilePanelView> mobile;
  std::unique_ptr<FixPanelView> fix;
  std::unique_ptr<BeaconPanelView> beacon;

  void makeViews() {
    mobile = std::make_unique<MobilePanelView>(rig->sim.mobilePanel(), *hub);
    fix = std::make_unique<FixPanelView>(rig->sim.fixPanel(), *hub);
    beacon = std::make_unique<BeaconPanelView>(rig->sim.beaconPanel(), *hub);
  }
  std::pair<PanelView*, StationPanel*> panel(Station s) {
    switch (s) {
      case Station::Mobile:
        return {mobile.get(), &rig->sim.mobilePanel()};
      case Station::Fix:
        return {fix.get(), &rig->sim.fixPanel()};
      case Station::Beacon:
        break;
    }
    return {beacon.get(), &rig->sim.beaconPanel()};
  }
  // Opens a panel as the menu does; it takes the keyboard.
  PanelView* open(Station s) {
    auto [view, model] = panel(s);
    model->Show();
    hub->refreshAll();
    if (!QTest::qWaitForWindowActive(view)) qFatal("the panel did not become active");
    return view;
  }
  QString displayText(PanelView* view) {
    QAccessibleTextInterface* text = accessible(view->displayWidget())->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
  }
  void lightLamp(StationPanel& model, bool lit, Color colour) {
    model.Panel1Visible = lit;
    model.ApdStatusLight1.Lit = lit;
    model.ApdStatusLight1.LitColor = colour;
    hub->refreshAll();
  }

 private slots:
  void init() {
    rig = std::make_unique<testing::Rig>();
    hub = std::make_unique<ViewHub>(rig->sim);
  }
  void cleanup() {
    QAccessible::removeFactory(testing::countingFactory);
    mobile.reset();
    fix.reset();
    beacon.reset();
    hub.reset();
    rig.reset();
  }

  // Bars are read as a number, blank cells are left out, a lamp change says what
  // it means.
  void spokenTextsSayBarsAsNumbersAndSkipBlanks() {
    QCOMPARE(spokenCell(QStringLiteral("SGNL:  ") + QString(10, QChar(0x7F))),
             QStringLiteral("SGNL: signal 10 of 13"));
    std::array<QString, kCellCount> cells;
    cells[int(Cell::L1)] = QStringLiteral("   (MODIFY)");
    cells[int(Cell::R2)] = QStringLiteral("CLOCK ");
    cells[int(Cell::L3)] = QStringLiteral("LIMIT L :");
    cells[int(Cell::R3)] = QStringLiteral("095");
    cells[int(Cell::L4)] = QStringLiteral("        ");
    QCOMPARE(spokenScreen(cells), QStringLiteral("(MODIFY), CLOCK, LIMIT L :, 095"));
    QCOMPARE(displayLines(cells), (QStringList{"(MODIFY)", "CLOCK", "LIMIT L :   095", QString()}));
    const LampSight off, red{true, clRed}, green{true, clLime};
    QCOMPARE(lampChange(green, red), QStringLiteral("in-lock lamp red, lock lost"));
    QCOMPARE(lampChange(red, off), QStringLiteral("in-lock lamp off, out of beam"));
    QCOMPARE(lampChange(red, red), QString());
  }

  void displayTakesTheFocusAndHoldsItsFourLines_data() {
    QTest::addColumn<Station>("station");
    QTest::addColumn<QString>("lines");
    QTest::newRow("Mobile") << Station::Mobile
                            << "(MAIN MENU MOB)\nOPERATE   WAKE-UP\nMODIFY   FIX\nMONITOR   CONFIG";
    QTest::newRow("Fix") << Station::Fix
                         << "(MAIN MENU FIX)\nOPERATE   WAKE-UP\nMODIFY   MOBILE\nMONITOR   CONFIG";
    QTest::newRow("Beacon")
        << Station::Beacon
        << "(MAIN MENU BEACON)\nOPERATE   WAKE-UP\nMODIFY   FIX\nMONITOR   CONFIG";
  }
  void displayTakesTheFocusAndHoldsItsFourLines() {
    QFETCH(Station, station);
    QFETCH(QString, lines);
    makeViews();
    PanelView* view = open(station);
    PanelDisplay* display = view->displayWidget();
    QCOMPARE(QApplication::focusWidget(), display);
    QAccessibleInterface* iface = accessible(display);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QVERIFY(iface->state().readOnly && iface->state().focused);
    QCOMPARE(iface->rect(), QRect(view->mapToGlobal(view->panelGeometry().display.topLeft()),
                                  view->panelGeometry().display.size()));
    QCOMPARE(displayText(view), lines);
    QAccessibleInterface* lamp = accessible(view->lampWidget());
    QCOMPARE(lamp->role(), QAccessible::Indicator);
    QCOMPARE(lamp->text(QAccessible::Name), QStringLiteral("in-lock lamp: off"));
    QVERIFY(!lamp->rect().isEmpty());

    // Down and Up move the caret from line to line.
    QAccessibleTextInterface* text = iface->textInterface();
    QCOMPARE(text->cursorPosition(), 0);
    QTest::keyClick(display, Qt::Key_Down);
    QTest::keyClick(display, Qt::Key_Down);
    QCOMPARE(text->cursorPosition(), int(lines.indexOf("MODIFY")));
    QTest::keyClick(display, Qt::Key_Up);
    QCOMPARE(text->cursorPosition(), int(lines.indexOf("OPERATE")));

    // Tab: the keys in the plate's order, the lamp, and round to the display.
    QTest::keyClick(display, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view->keyButton(PanelKey::D7));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), view->lampWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), display);
  }

  void screensTypingAndEditedFieldsAreSaidOnce_data() {
    QTest::addColumn<Station>("station");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("echoes");
    QTest::newRow("Mobile scan limits")
        << Station::Mobile << "223"
        << "(SCANNING MOB), BEARING 0.00, LIMIT L, 0, LIMIT R, 0. editing LIMIT L   0"
        << "355" << QStringList{"3", "35", "355"};
    const QString clock =
        QStringLiteral("TIME, HH:MM:SS, 12:34:56, DATE, YY/MM/DD, 98/12/28. editing 12:34:56");
    QTest::newRow("Fix clock") << Station::Fix << "23" << clock << "123"
                               << QStringList{"1", "12", "12:3"};
    QTest::newRow("Beacon clock") << Station::Beacon << "23" << clock << "123"
                                  << QStringList{"1", "12", "12:3"};
  }
  void screensTypingAndEditedFieldsAreSaidOnce() {
    QFETCH(Station, station);
    QFETCH(QString, path);
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QStringList, echoes);
    makeViews();
    PanelView* view = open(station);
    Heard heard(view);
    type("7");  // a key that changes nothing says nothing
    QCOMPARE(heard.take(), QStringList());
    type(path.left(path.size() - 1));
    QCOMPARE(heard.take().size(), path.size() - 1);  // each menu said once
    type(path.right(1));
    QCOMPARE(heard.take(), QStringList{screen});

    QStringList said;
    for (QChar digit : typed) {
      type(digit);
      said << heard.take();
    }
    QCOMPARE(said, echoes);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const QStringList entered = heard.take();
    QCOMPARE(entered.size(), 1);
    QVERIFY2(entered[0].startsWith("editing "), qPrintable(entered[0]));

    // R reads the display again, as it is now.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    const QStringList read = heard.take();
    QCOMPARE(read.size(), 1);
    QVERIFY2(read[0].startsWith(screen.section(',', 0, 0)) && read[0].contains(echoes.last()),
             qPrintable(read[0]));
  }

  // The keys act with the focus on a key or the lamp, and the announcements
  // follow; the arrows slew instead of moving the focus, until the window loses
  // the keyboard.
  void panelKeysWorkWhereverTheFocusIs() {
    makeViews();
    open(Station::Fix);
    PanelView* view = open(Station::Mobile);
    Heard heard(view);
    view->keyButton(PanelKey::D5)->setFocus();
    type("2");
    QCOMPARE(heard.take().value(0).left(15), QStringLiteral("(MODIFY MOBILE)"));
    view->lampWidget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QCOMPARE(heard.take().value(0).left(15), QStringLiteral("(MAIN MENU MOB)"));

    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(rig->sim.mobilePanel().Tracking.SlewDirection, Slew::Left);
    QCOMPARE(QApplication::focusWidget(), view->lampWidget());
    fix->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fix.get()));
    QCOMPARE(rig->sim.mobilePanel().Tracking.SlewDirection, Slew::Stopped);
  }

  void liveReadingsTellNothingUntilAsked() {
    told.clear();
    QAccessible::installFactory(testing::countingFactory);
    makeViews();
    PanelView* view = open(Station::Mobile);
    Heard heard(view);
    type("1");  // OPERATE page 1, its readings filled by the link cycle
    QCOMPARE(heard.take().size(), 1);
    rig->advance(600);
    hub->refreshAll();
    heard.take();

    QList<QWidget*> watched = view->findChildren<QWidget*>();
    for (QWidget* w : watched) told[w] = 0;
    const QString before = view->displayWidget()->text();
    for (int i = 0; i < 8; ++i) {
      rig->advance(500);
      hub->refreshAll();
    }
    Tmobile& model = rig->sim.mobilePanel();
    model.cell(Cell::R3).Caption = "-79";  // a reading written between two cycles
    hub->refreshAll();
    QVERIFY(view->displayWidget()->text() != before);  // the readings did change
    QVERIFY(view->displayWidget()->text().contains("-79"));
    QCOMPARE(heard.take(), QStringList());
    for (QWidget* w : watched)
      QVERIFY2(told[w] == 0, qPrintable(w->metaObject()->className() + (" " + w->objectName())));

    view->readDisplayAloud();
    const QStringList read = heard.take();
    QCOMPARE(read.size(), 1);
    QVERIFY2(read[0].contains("-79"), qPrintable(read[0]));
  }

  void lampChangesAreSaidByTheActivePanelOnly() {
    told.clear();
    QAccessible::installFactory(testing::countingFactory);
    makeViews();
    open(Station::Fix);
    PanelView* view = open(Station::Mobile);  // the Fix panel stays open behind it
    Heard heardMobile(view);
    Heard heardFix(fix.get());
    LampWidget* lamp = view->lampWidget();
    QVERIFY(lamp->isVisible());  // dark, but in sight
    QCOMPARE(lamp->spokenName(), QStringLiteral("in-lock lamp: off"));

    told[lamp] = 0;
    for (StationPanel* p : {static_cast<StationPanel*>(&rig->sim.mobilePanel()),
                            static_cast<StationPanel*>(&rig->sim.fixPanel())})
      lightLamp(*p, true, clRed);
    QCOMPARE(heardMobile.take(), QStringList{"in-lock lamp red, in beam"});
    QCOMPARE(lamp->spokenName(), QStringLiteral("in-lock lamp: red"));
    QVERIFY(told[lamp] > 0);
    QCOMPARE(lamp->accessibleDescription(), QStringLiteral("lit, red"));

    lightLamp(rig->sim.mobilePanel(), true, clLime);
    QCOMPARE(heardMobile.take(), QStringList{"in-lock lamp green, in lock"});
    lightLamp(rig->sim.mobilePanel(), false, clLime);
    QCOMPARE(heardMobile.take(), QStringList{"in-lock lamp off, lock lost"});
    QCOMPARE(heardFix.take(), QStringList());
    told[lamp] = 0;
    hub->refreshAll();
    QCOMPARE(told[lamp], 0);
  }

  void aidDialAndLampSayTheirState() {
    Taiddisplay& aid = rig->sim.aidDisplay();
    AidDisplayView view(aid, *hub);
    aid.Show();
    hub->refreshAll();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    Heard heard(&view);
    rig->state().FixAzimuth = 0;
    QAccessibleInterface* dial = accessible(view.dial());
    QCOMPARE(dial->role(), QAccessible::Dial);
    QVERIFY(!dial->rect().isEmpty());
    QCOMPARE(dial->text(QAccessible::Name), QStringLiteral("antenna bearing 180.00 degrees"));
    rig->state().FixAzimuth = 24.6 + 180;
    rig->state().FixAutosearchDisplay = 1;
    rig->state().FixScanLimitLeft = "355";
    rig->state().FixScanLimitRight = "95";
    QCOMPARE(dial->text(QAccessible::Name),
             QStringLiteral("antenna bearing 24.60 degrees, scanning 355 to 95"));

    QAccessibleInterface* lamp = accessible(view.lamp());
    QCOMPARE(lamp->text(QAccessible::Name), QStringLiteral("in-lock lamp: off"));
    aid.ApdStatusLight1.Lit = true;
    hub->refreshAll();
    QCOMPARE(lamp->text(QAccessible::Name), QStringLiteral("in-lock lamp: green"));
    QCOMPARE(heard.take(), QStringList{"in-lock lamp green, in lock"});
    QCOMPARE(view.focusWidget(), view.dial());
    QTest::keyClick(view.dial(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view.lamp());
  }
};

QTEST_MAIN(PanelScreenReaderTest)
#include "panel_screen_reader_test.moc"
