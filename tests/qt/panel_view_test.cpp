#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSet>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "qt/fix_panel_view.h"
#include "qt/panel_view.h"
#include "testing/fakes.h"

using namespace kestrom;

namespace {

// A panel that writes down every key event it receives.
class RecordingPanel : public StationPanel {
 public:
  explicit RecordingPanel(Simulator& sim)
      : StationPanel(sim.context(), WindowIndex::Fix, "Recording panel", 338, 442, 750, false) {}
  std::vector<std::string> events;
  void DigitKey(char digit) override { events.push_back(std::string("digit ") + digit); }
  void DelKey() override { events.push_back("DEL"); }
  void NextKey() override { events.push_back("NEXT"); }
  void MenuKey() override { events.push_back("MENU"); }
  void EnterKey() override { events.push_back("ENTER"); }
  void SlewKeyDown(bool right) override { events.push_back(right ? "down R" : "down L"); }
  void SlewKeyUp(bool right) override { events.push_back(right ? "up R" : "up L"); }
  void OnOffKey() override {
    events.push_back("ON/OFF");
    StationPanel::OnOffKey();
  }
  void TalkKey() override { events.push_back("TALK"); }
  std::vector<std::string> take() { return std::exchange(events, {}); }
};

using Events = std::vector<std::string>;

std::string expectedFor(PanelKey key) {
  switch (key) {
    case PanelKey::Del:
      return "DEL";
    case PanelKey::Next:
      return "NEXT";
    case PanelKey::Menu:
      return "MENU";
    case PanelKey::Enter:
      return "ENTER";
    case PanelKey::Talk:
      return "TALK";
    case PanelKey::OnOff:
      return "ON/OFF";
    default:
      return std::string("digit ") + keyLegend(key);
  }
}

QString accessibleText(QObject* object, QAccessible::Text t) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(t) : QStringLiteral("<no interface>");
}

}  // namespace

class PanelViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::Rig> rig;
  std::unique_ptr<RecordingPanel> panel;
  std::unique_ptr<ViewHub> hub;
  std::unique_ptr<PanelView> view;

  // The widget the mouse finds at a point of the plate, clicked there.
  QWidget* at(QPoint p) { return view->childAt(p); }
  void clickAt(QPoint p) {
    QWidget* w = at(p);
    QVERIFY2(w, "no widget at the key's centre");
    QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(view.get(), p));
  }
  void sendKey(QEvent::Type type, int key, bool autoRepeat = false,
               Qt::KeyboardModifiers mods = Qt::NoModifier, quint64 timestamp = 0) {
    QKeyEvent e(type, key, mods, QString(), autoRepeat);
    e.setTimestamp(timestamp);
    QApplication::sendEvent(view.get(), &e);
  }
  void tapKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    sendKey(QEvent::KeyPress, key, false, mods);
    sendKey(QEvent::KeyRelease, key, false, mods);
  }

 private slots:
  void init() {
    rig = std::make_unique<testing::Rig>();
    panel = std::make_unique<RecordingPanel>(rig->sim);
    hub = std::make_unique<ViewHub>(rig->sim);
    view = std::make_unique<PanelView>(*panel, fixPanelGeometry(), *hub);
    panel->Show();
    hub->refreshAll();
  }
  void cleanup() {
    view.reset();
    hub.reset();
    panel.reset();
    rig.reset();
  }

  void clickingEachKeyPositionReachesThatKey() {
    QVERIFY(view->isVisible());
    for (const KeyPlace& place : fixPanelGeometry().keys) {
      if (place.key == PanelKey::Left || place.key == PanelKey::Right ||
          place.key == PanelKey::OnOff)
        continue;
      clickAt(place.rect.center());
      QCOMPARE(panel->take(), Events{expectedFor(place.key)});
    }
    // Between the keys the plate takes clicks without acting.
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(140, 205));
    QVERIFY(panel->take().empty());
  }

  void slewKeysActOnMouseDownAndUpSeparately() {
    for (PanelKey key : {PanelKey::Left, PanelKey::Right}) {
      const std::string side = key == PanelKey::Left ? "L" : "R";
      const QPoint c = fixPanelGeometry().keyRect(key).center();
      QWidget* w = at(c);
      QVERIFY(w);
      QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(view.get(), c));
      QCOMPARE(panel->take(), Events{"down " + side});
      QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(view.get(), c));
      QCOMPARE(panel->take(), Events{"up " + side});
    }
  }

  void onOffAndTheCloseBoxHideThePanel() {
    clickAt(fixPanelGeometry().keyRect(PanelKey::OnOff).center());
    QCOMPARE(panel->take(), Events{"ON/OFF"});
    QVERIFY(!panel->Visible());
    QVERIFY(view->isHidden());

    panel->Show();
    hub->refreshAll();
    QVERIFY(view->isVisible());
    QVERIFY(view->close());
    QVERIFY(!panel->Visible());
    QVERIFY(view->isHidden());
    QVERIFY(panel->take().empty());  // the close box is no key
  }

  void hidingTheWindowLetsGoOfHeldSlewKeys() {
    const QPoint c = fixPanelGeometry().keyRect(PanelKey::Right).center();
    QWidget* w = at(c);
    QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(view.get(), c));
    sendKey(QEvent::KeyPress, Qt::Key_Left);
    QCOMPARE(panel->take(), (Events{"down R", "down L"}));
    panel->Close();
    hub->refreshAll();
    QVERIFY(view->isHidden());
    Events released = panel->take();
    std::sort(released.begin(), released.end());
    QCOMPARE(released, (Events{"up L", "up R"}));
    // The late mouse-up and key-up do not release a second time.
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(view.get(), c));
    sendKey(QEvent::KeyRelease, Qt::Key_Left);
    QVERIFY(panel->take().empty());
  }

  void keyboardKeysPressPanelKeys() {
    for (int k = 0; k <= 9; ++k) {
      tapKey(Qt::Key_0 + k);
      QCOMPARE(panel->take(), Events{"digit " + std::to_string(k)});
    }
    tapKey(Qt::Key_5, Qt::KeypadModifier);
    tapKey(Qt::Key_Delete);
    tapKey(Qt::Key_Backspace);
    tapKey(Qt::Key_N);
    tapKey(Qt::Key_M);
    tapKey(Qt::Key_Return);
    tapKey(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(panel->take(), (Events{"digit 5", "DEL", "DEL", "NEXT", "MENU", "ENTER", "ENTER"}));
    // Shortcuts with Ctrl or Alt and unrelated keys are not panel keys.
    tapKey(Qt::Key_M, Qt::ControlModifier);
    tapKey(Qt::Key_N, Qt::AltModifier);
    tapKey(Qt::Key_X);
    tapKey(Qt::Key_Space);
    QVERIFY(panel->take().empty());
  }

  void heldArrowKeysSlewOnceIgnoringAutoRepeat() {
    sendKey(QEvent::KeyPress, Qt::Key_Left);
    for (int i = 0; i < 3; ++i) {
      sendKey(QEvent::KeyRelease, Qt::Key_Left, true);
      sendKey(QEvent::KeyPress, Qt::Key_Left, true);
    }
    // Repeats that arrive as plain release-press pairs keep the key held too.
    for (int i = 0; i < 3; ++i) {
      sendKey(QEvent::KeyRelease, Qt::Key_Left);
      sendKey(QEvent::KeyPress, Qt::Key_Left);
    }
    QCOMPARE(panel->take(), Events{"down L"});
    sendKey(QEvent::KeyRelease, Qt::Key_Left);
    QTRY_COMPARE(panel->events, Events{"up L"});
    panel->take();

    sendKey(QEvent::KeyPress, Qt::Key_Right);
    sendKey(QEvent::KeyPress, Qt::Key_Right);  // a second press while held is no new press
    sendKey(QEvent::KeyRelease, Qt::Key_Right);
    sendKey(QEvent::KeyRelease, Qt::Key_Right);  // nor a stray release
    QTRY_COMPARE(panel->events, (Events{"down R", "up R"}));
    QTest::qWait(60);
    QCOMPARE(panel->take(), (Events{"down R", "up R"}));

    // A held digit acts once, whether or not the repeat is flagged.
    sendKey(QEvent::KeyPress, Qt::Key_3, false, Qt::NoModifier, 1000);
    sendKey(QEvent::KeyPress, Qt::Key_3, true, Qt::NoModifier, 1500);
    sendKey(QEvent::KeyRelease, Qt::Key_3, false, Qt::NoModifier, 1540);
    sendKey(QEvent::KeyPress, Qt::Key_3, false, Qt::NoModifier, 1540);
    sendKey(QEvent::KeyRelease, Qt::Key_3, false, Qt::NoModifier, 1600);
    sendKey(QEvent::KeyPress, Qt::Key_3, false, Qt::NoModifier, 1800);  // pressed again
    QCOMPARE(panel->take(), (Events{"digit 3", "digit 3"}));
  }

  void mouseAndKeyboardHoldingOneSlewKeyPressOnce() {
    const QPoint c = fixPanelGeometry().keyRect(PanelKey::Left).center();
    QWidget* w = at(c);
    QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(view.get(), c));
    sendKey(QEvent::KeyPress, Qt::Key_Left);
    sendKey(QEvent::KeyRelease, Qt::Key_Left);
    QTest::qWait(60);
    QCOMPARE(panel->take(), Events{"down L"});  // the mouse still holds it
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(view.get(), c));
    QCOMPARE(panel->take(), Events{"up L"});
  }

  void cellsShowTextAndColourInPlace() {
    panel->cell(Cell::L1).Caption = "  MENU  ";
    panel->cell(Cell::R1).Caption = "MTR";
    panel->cell(Cell::R2).Caption = "MTR   ";
    panel->cell(Cell::R3).Caption = "02/24 >N";
    panel->cell(Cell::R3).FontColor = clWhite;
    hub->refreshAll();

    DisplayCellWidget* l1 = view->cellWidget(Cell::L1);
    DisplayCellWidget* r1 = view->cellWidget(Cell::R1);
    DisplayCellWidget* r2 = view->cellWidget(Cell::R2);
    QCOMPARE(l1->text(), QStringLiteral("  MENU  "));
    QCOMPARE(l1->x(), 86);
    QCOMPARE(l1->y(), 88);
    QCOMPARE(l1->width(), DisplayCellWidget::textWidth(QStringLiteral("  MENU  ")));
    QVERIFY(l1->width() > DisplayCellWidget::textWidth(QStringLiteral("MENU")));
    // Right cells end at the right edge; trailing spaces move the text left.
    QCOMPARE(r1->x() + r1->width(), 256);
    QCOMPARE(r2->x() + r2->width(), 256);
    QCOMPARE(r2->y(), 108);
    QVERIFY(r2->x() < r1->x());
    QCOMPARE(view->cellWidget(Cell::L4)->y(), 148);
    QCOMPARE(view->cellWidget(Cell::R3)->textColour(), QColor(Qt::white));
    QCOMPARE(r1->textColour(), QColor(Qt::black));

    // Where a line's cells overlap, the right cell lies on top.
    panel->cell(Cell::L1).Caption = "XXXXXXXXXXXXXXXXXXXXXXXXX";
    hub->refreshAll();
    QCOMPARE(view->childAt(r1->geometry().center()), r1);

    // An emptied cell takes no room.
    panel->cell(Cell::R1).Caption = "";
    hub->refreshAll();
    QCOMPARE(r1->width(), 0);
  }

  void signalBarSegmentsAreOneCharacterEach() {
    const int digit = DisplayCellWidget::textWidth(QStringLiteral("0"));
    const QString bars(4, QChar(0x7F));
    QCOMPARE(DisplayCellWidget::textWidth(bars), 4 * digit);
    const QString label = QStringLiteral("SIGNL : ");
    QCOMPARE(DisplayCellWidget::textWidth(label + bars),
             DisplayCellWidget::textWidth(label) + 4 * digit);

    panel->cell(Cell::L4).Caption = "SIGNL : " + std::string(13, '\x7f');
    hub->refreshAll();
    QCOMPARE(view->cellWidget(Cell::L4)->width(), DisplayCellWidget::textWidth(label) + 13 * digit);
    QCOMPARE(accessibleText(view->cellWidget(Cell::L4), QAccessible::Name),
             label + QString(13, QChar(0x7F)));
  }

  void cellsAndKeysAreAccessible() {
    panel->cell(Cell::L2).Caption = "   BY PRESSING  ";
    hub->refreshAll();
    for (int i = 0; i < kCellCount; ++i) {
      const Cell c = static_cast<Cell>(i);
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view->cellWidget(c));
      QVERIFY(iface);
      QCOMPARE(iface->role(), QAccessible::StaticText);
      QCOMPARE(iface->text(QAccessible::Description), QString::fromLatin1(cellName(c)));
    }
    QCOMPARE(accessibleText(view->cellWidget(Cell::L2), QAccessible::Name),
             QStringLiteral("   BY PRESSING  "));

    const QSet<QString> expected = {"0",    "1",     "2",    "3",     "4",      "5",
                                    "6",    "7",     "8",    "9",     "DEL",    "NEXT",
                                    "MENU", "ENTER", "LEFT", "RIGHT", "ON/OFF", "TALK"};
    QSet<QString> names;
    for (const KeyPlace& place : fixPanelGeometry().keys) {
      QWidget* key = at(place.rect.center());
      QCOMPARE(accessibleText(key, QAccessible::Name), QString::fromLatin1(keyLegend(place.key)));
      names.insert(accessibleText(key, QAccessible::Name));
    }
    QCOMPARE(names, expected);

    // The accessible press action presses the key.
    QAccessibleInterface* enter =
        QAccessible::queryAccessibleInterface(view->keyButton(PanelKey::Enter));
    QVERIFY(enter && enter->actionInterface());
    enter->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(panel->events, Events{"ENTER"});
    panel->take();
    QAccessibleInterface* left =
        QAccessible::queryAccessibleInterface(view->keyButton(PanelKey::Left));
    left->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(panel->events, (Events{"down L", "up L"}));
  }

  void lampFollowsTheModel() {
    LampWidget* lamp = view->lampWidget();
    QCOMPARE(lamp->geometry(), QRect(44, 20, 25, 19));
    QVERIFY(lamp->isVisible());  // dark while Panel1 is hidden, but in sight
    QCOMPARE(lamp->toolTip(), QStringLiteral("Inlock Status LED"));
    QCOMPARE(accessibleText(lamp, QAccessible::Name), QStringLiteral("in-lock lamp: off"));
    const QImage dark = lamp->grab().toImage();
    const QColor lens = dark.pixelColor(dark.rect().center());
    QVERIFY2(qGray(lens.rgb()) > 40, "an unlit lamp still shows its lens");

    panel->Panel1Visible = true;
    panel->ApdStatusLight1.LitColor = clLime;
    panel->ApdStatusLight1.Lit = true;
    hub->refreshAll();
    QVERIFY(lamp->isVisible());
    QCOMPARE(accessibleText(lamp, QAccessible::Description), QStringLiteral("lit, lime"));
    QCOMPARE(accessibleText(lamp, QAccessible::Name), QStringLiteral("in-lock lamp: green"));
    QCOMPARE(lamp->shownColour(), QColor(0, 255, 0));
    QVERIFY(lamp->grab().toImage() != dark);

    panel->ApdStatusLight1.Lit = false;
    hub->refreshAll();
    QCOMPARE(accessibleText(lamp, QAccessible::Description), QStringLiteral("unlit, black"));

    panel->ApdStatusLight1.LitColor = 0x123456;  // 0xBBGGRR
    panel->ApdStatusLight1.Lit = true;
    hub->refreshAll();
    QCOMPARE(accessibleText(lamp, QAccessible::Description), QStringLiteral("lit, #563412"));

    panel->Panel1Visible = false;  // the lamp goes dark with its panel
    hub->refreshAll();
    QVERIFY(lamp->isVisible());
    QCOMPARE(accessibleText(lamp, QAccessible::Description), QStringLiteral("unlit, black"));
  }

  void fixPanelWindowFollowsTheFixModel() {
    Tfix& fix = rig->sim.fixPanel();
    FixPanelView fixView(fix, *hub);
    QCOMPARE(fixView.windowTitle(), QStringLiteral("Kestrom Fix Basic Operating Panel (BOP)"));
    QCOMPARE(fixView.size(), QSize(338, 442));
    QCOMPARE(fixView.minimumSize(), fixView.maximumSize());
    QVERIFY(!(fixView.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(fixView.pos(), QPoint(0, 47));
    const PanelGeometry& g = fixView.panelGeometry();
    QCOMPARE(g.display, QRect(70, 78, 200, 100));
    QCOMPARE(g.keyRect(PanelKey::D7), QRect(98, 182, 38, 38));
    QCOMPARE(g.keyRect(PanelKey::D3), QRect(186, 270, 38, 38));
    QCOMPARE(g.keyRect(PanelKey::D0), QRect(142, 314, 38, 38));
    QCOMPARE(g.keyRect(PanelKey::Next), QRect(244, 226, 45, 38));
    QCOMPARE(g.keyRect(PanelKey::Left), QRect(98, 366, 60, 38));
    QCOMPARE(g.keyRect(PanelKey::Right), QRect(168, 366, 60, 38));
    QCOMPARE(g.keyRect(PanelKey::Talk), QRect(30, 306, 50, 50));
    QVERIFY(fixView.isHidden());
    fix.Show();
    hub->refreshAll();
    QVERIFY(fixView.isVisible());
    fixView.keyButton(PanelKey::OnOff)->click();
    QVERIFY(!fix.Visible());
    QVERIFY(fixView.isHidden());
  }

  void mobilePlateHasItsKeysAndDial() {
    const PanelGeometry g = mobilePanelGeometry();
    PanelView mobile(rig->sim.mobilePanel(), g, *hub);
    QCOMPARE(mobile.size(), QSize(630, 438));
    QCOMPARE(g.keyRect(PanelKey::D7), QRect(396, 182, 38, 38));
    QCOMPARE(g.keyRect(PanelKey::D0), QRect(440, 314, 38, 38));
    QCOMPARE(g.keyRect(PanelKey::Enter), QRect(542, 314, 45, 38));
    QCOMPARE(g.keyRect(PanelKey::Right), QRect(466, 366, 60, 38));
    QCOMPARE(g.keyRect(PanelKey::OnOff).topLeft(), QPoint(328, 180));
    for (const KeyPlace& place : g.keys) {
      auto* key = qobject_cast<PanelKeyButton*>(mobile.childAt(place.rect.center()));
      QVERIFY(key);
      QCOMPARE(key->key(), place.key);
    }
    QCOMPARE(mobile.cellWidget(Cell::L1)->x(), 384);
    QCOMPARE(mobile.lampWidget()->geometry(), QRect(342, 20, 25, 19));
    QStringList labels;
    for (QLabel* l : mobile.findChildren<QLabel*>()) labels << l->text();
    labels.sort();
    QCOMPARE(labels, (QStringList{"0", "180", "270", "90", "Antenna"}));
  }

  // Key caps are drawn once and reused: each key must still show its own
  // legend at its own size, and a held key must look held until it is let go.
  void keyCapsShowTheirOwnLegendAndPress() {
    auto keyButton = [this](PanelKey k) -> PanelKeyButton* {
      for (PanelKeyButton* b : view->findChildren<PanelKeyButton*>())
        if (b->key() == k) return b;
      return nullptr;
    };
    PanelKeyButton* one = keyButton(PanelKey::D1);
    PanelKeyButton* two = keyButton(PanelKey::D2);
    PanelKeyButton* onOff = keyButton(PanelKey::OnOff);
    QVERIFY(one && two && onOff);
    QCOMPARE(one->size(), two->size());
    const QImage oneUp = one->grab().toImage();
    QCOMPARE(oneUp.size(), one->size() * one->devicePixelRatio());
    QVERIFY(oneUp != two->grab().toImage());
    QCOMPARE(onOff->grab().toImage().size(), onOff->size() * onOff->devicePixelRatio());

    one->setDown(true);
    const QImage oneDown = one->grab().toImage();
    QVERIFY(oneDown != oneUp);
    one->setDown(false);
    QCOMPARE(one->grab().toImage(), oneUp);
  }

  void platesKeepEveryKeyApartAndInside() {
    for (const PanelGeometry& g :
         {fixPanelGeometry(), mobilePanelGeometry(), beaconPanelGeometry()}) {
      QCOMPARE(g.keys.size(), size_t(18));
      const QRect client(QPoint(0, 0), g.client);
      // The lamp sits on the plate inside the rubber frame, clear of the rest.
      QVERIFY(client.adjusted(15, 15, -15, -15).contains(g.lampPanel));
      for (const QRect& other : {g.display, g.logo, g.dial ? g.dial->window : QRect()})
        QVERIFY(!g.lampPanel.intersects(other));
      for (size_t i = 0; i < g.keys.size(); ++i) {
        QVERIFY(!g.keys[i].rect.intersects(g.lampPanel));
        QVERIFY(client.contains(g.keys[i].rect));
        for (size_t j = i + 1; j < g.keys.size(); ++j) {
          QVERIFY(g.keys[i].key != g.keys[j].key);
          QVERIFY(!g.keys[i].rect.intersects(g.keys[j].rect));
        }
      }
    }
  }
};

QTEST_MAIN(PanelViewTest)
#include "panel_view_test.moc"
