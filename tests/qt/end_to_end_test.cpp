// From start-up to live telegrams: the trainee's first lock, on virtual time, with
// the telegrams read back from a real pseudo-terminal.
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QtTest>
#include <cmath>
#include <string>

#include "panels/mobile/mobile_panel.h"
#include "qt/qt_serial_port.h"
#include "setup/angles.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "support/pty.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using testing::PseudoTerminal;

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void firstLockSendsLiveTelegrams() {
    PseudoTerminal pty;
    QVERIFY(pty.ok());
    qputenv("KESTROM_COM1", pty.path());

    testing::FakeRandom random(7);
    testing::FixedClock clock;
    testing::RecordingDialogs dialogs;
    testing::RecordingTone tone;
    testing::RecordingHelp help;
    QtSerialPort serial;
    Simulator sim{Services{random, clock, dialogs, tone, help, serial}};
    SimulationState& s = sim.state();
    Tmenumain& setup = sim.setupWindow();
    Tmobile& mobile = sim.mobilePanel();
    auto run = [&](int ms) {
      for (int t = 0; t < ms; t += 50) {
        sim.scheduler().advance(50);
        QCoreApplication::processEvents();
      }
    };
    auto keys = [&](const std::string& sequence) {
      for (char k : sequence) {
        switch (k) {
          case 'M':
            mobile.press(PanelKey::Menu);
            break;
          case 'D':
            mobile.press(PanelKey::Del);
            break;
          case 'N':
            mobile.press(PanelKey::Next);
            break;
          case 'E':
            mobile.press(PanelKey::Enter);
            break;
          default:
            mobile.press(static_cast<PanelKey>(k - '0'));
            break;
        }
      }
    };

    sim.start();
    setup.Mobile1Click();
    QVERIFY(mobile.Visible());
    run(6000);  // the prescreen closes

    // Scan limits 20 degrees either side of the Fix, then AUTOSEARCH.
    const int centre = static_cast<int>(s.FixAzimuth);
    char limits[8];
    std::snprintf(limits, sizeof limits, "%03d", (centre + 340) % 360);
    std::string left = limits;
    std::snprintf(limits, sizeof limits, "%03d", (centre + 20) % 360);
    std::string right = limits;
    keys("M223" + left + "E" + right + "E");  // ENTER after each typed field
    QCOMPARE(s.MobileScanLimitLeft, left);
    QCOMPARE(s.MobileScanLimitRight, right);
    keys("DD4");
    QCOMPARE(mobile.MenuState, 17);
    keys("0");  // the option after HANDSEARCH
    QCOMPARE(mobile.cell(Cell::L2).Caption, std::string("        AUTOSEARCH"));
    keys("E");
    QCOMPARE(s.MobileOperatingMode, std::string("        AUTOSEARCH"));
    keys("M1");
    QCOMPARE(mobile.MenuState, 1);

    // ASCII 17 telegrams on COM PORT 1.
    setup.Serial.telegramsChange(1);
    setup.Serial.comportClick(true);
    QVERIFY(setup.Serial.Sending());
    QVERIFY(dialogs.shown.empty());

    for (int i = 0; i < 600 && s.InLock == 0; ++i) run(100);
    QCOMPARE(s.InLock, 1);
    // The port's own thread writes what the ticks hand it: let it catch up.
    auto settled = [&] {
      QTest::qWait(200);
      return pty.readNew().toStdString();
    };
    settled();  // what was sent before the lock
    run(1000);
    std::string bytes = settled();
    std::size_t end = bytes.rfind("\r\n");
    QVERIFY(end != std::string::npos && end >= 15);
    std::string telegram = bytes.substr(end - 15, 17);
    QCOMPARE(telegram.size(), std::size_t{17});
    qInfo("telegram %s", telegram.substr(0, 15).c_str());
    QCOMPARE(telegram.substr(14, 3), std::string("1\r\n"));
    const int decimetres = std::stoi(telegram.substr(0, 6));
    QVERIFY2(decimetres >= 1263 && decimetres <= 1263 + 1, telegram.c_str());
    const int azimuth = std::stoi(telegram.substr(7, 6));
    QCOMPARE(azimuth, static_cast<int>(std::trunc(reciprocalAzimuth(s.FixAzimuth) * 1000)));
    setup.Serial.comportClick(false);
  }
};

}  // namespace kestrom

QTEST_GUILESS_MAIN(kestrom::EndToEndTest)
#include "end_to_end_test.moc"
