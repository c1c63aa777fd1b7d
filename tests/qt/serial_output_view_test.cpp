#include "qt/serial_output_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <memory>

#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"

using namespace kestrom;

class SerialOutputViewTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::Rig> rig_;
  std::unique_ptr<ViewHub> hub_;
  std::unique_ptr<SerialOutputView> view_;

  SerialOutput& model() { return rig_->sim.setupWindow().Serial; }
  template <class T>
  T* find(const char* name) {
    return view_->findChild<T*>(QString::fromLatin1(name));
  }
  // Picks the item below the current one with the keyboard, as an operator would.
  static void stepDown(QComboBox* list) { QTest::keyClick(list, Qt::Key_Down); }

 private slots:
  void init() {
    rig_ = std::make_unique<testing::Rig>();
    rig_->sim.setupWindow().MaskEdit1.Text = "00126";
    hub_ = std::make_unique<ViewHub>(rig_->sim);
    view_ = std::make_unique<SerialOutputView>(rig_->sim, *hub_);
    view_->show();
  }
  void cleanup() {
    view_.reset();
    hub_.reset();
    rig_.reset();
  }

  void drawsTheModelsListsAndBoxes() {
    QCOMPARE(view_->size(), QSize(200, 440));
    auto* coms = find<QComboBox>("coms");
    QVERIFY(coms);
    QCOMPARE(coms->count(), 12);
    QCOMPARE(coms->currentText(), QStringLiteral("COM PORT 1"));
    QCOMPARE(coms->accessibleName(), QStringLiteral("Port"));
    QCOMPARE(find<QComboBox>("telegrams")->currentText(), QStringLiteral("BCD(0.01)"));
    QCOMPARE(find<QLabel>("TransmittingText")->text(), QStringLiteral("Distance - Azimuth"));
    QCOMPARE(find<QCheckBox>("CheckBox1")->text(), QStringLiteral("Output Controled by Sim."));
    QCOMPARE(find<QCheckBox>("comport")->accessibleName(), QStringLiteral("Serial Output On"));
  }

  void listsDriveTheModel() {
    auto* telegrams = find<QComboBox>("telegrams");
    stepDown(telegrams);  // "BCD(0.001)"
    QCOMPARE(rig_->state().OutputTelegramType, 5);
    stepDown(telegrams);
    QCOMPARE(find<QLabel>("TransmittingText")->text(),
             QStringLiteral("Azimuth - Distance - Bearing"));
    stepDown(find<QComboBox>("coms"));
    QCOMPARE(model().portNumber(), 2);
    auto* rate = find<QComboBox>("updaterate");
    QTest::keyClick(rate, Qt::Key_Up);
    QCOMPARE(model().Timer4.Interval(), 500);
    QTest::keyClick(find<QComboBox>("databits"), Qt::Key_Up);
    QCOMPARE(rig_->state().MobilePerBits, std::string("BITS : 7 - N"));

    // A selection the Mobile panel makes is drawn but not taken as the operator's.
    model().followMobileOutTelegram("ASCII 17         ");
    hub_->refreshAll();
    QCOMPARE(telegrams->currentText(), QStringLiteral("ASCII 17"));
    QCOMPARE(rig_->state().OutputTelegramType, 6);
  }

  void boxesSwitchOutputAndLockEachOther() {
    auto* on = find<QCheckBox>("comport");
    auto* bySim = find<QCheckBox>("CheckBox1");
    QTest::mouseClick(on, Qt::LeftButton);
    QVERIFY(model().comport.Checked);
    QVERIFY(rig_->serial.isOpen());
    QVERIFY(!bySim->isEnabled());
    QTest::mouseClick(on, Qt::LeftButton);
    QVERIFY(!rig_->serial.isOpen());
    QVERIFY(bySim->isEnabled());

    QTest::mouseClick(bySim, Qt::LeftButton);
    QVERIFY(model().CheckBox1.Checked);
    QVERIFY(!on->isEnabled());
    QVERIFY(!find<QComboBox>("baudrate")->isEnabled());
    QVERIFY(!find<QComboBox>("telegrams")->isEnabled());
    QVERIFY(find<QComboBox>("coms")->isEnabled());
    QTest::mouseClick(bySim, Qt::LeftButton);
    QVERIFY(find<QComboBox>("baudrate")->isEnabled());
  }

  void missingPortLeavesTheBoxClear() {
    rig_->serial.missing = {1};
    auto* on = find<QCheckBox>("comport");
    QTest::mouseClick(on, Qt::LeftButton);
    QCOMPARE(rig_->dialogs.shown.size(), size_t(1));
    QCOMPARE(rig_->dialogs.shown[0].text, std::string(SerialOutput::kNotAvailable));
    QVERIFY(!on->isChecked());
  }

  void failureDuringOutputIsShownAfterTheEvent() {
    QTest::mouseClick(find<QCheckBox>("comport"), Qt::LeftButton);
    rig_->serial.fail();
    QVERIFY(rig_->dialogs.shown.empty());  // not from inside the failing event
    QTRY_COMPARE(rig_->dialogs.shown.size(), size_t(1));
    QCOMPARE(rig_->dialogs.shown[0].kind, std::string("error"));
    QVERIFY(!find<QCheckBox>("comport")->isChecked());
    QVERIFY(find<QCheckBox>("CheckBox1")->isEnabled());
    QTest::qWait(50);
    QCOMPARE(rig_->dialogs.shown.size(), size_t(1));
  }
};

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SerialOutputViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "serial_output_view_test.moc"
