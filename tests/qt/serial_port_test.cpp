// The real serial port on a pseudo-terminal: its slave side stands in for
// "COM PORT 1", the test reads and closes the master side.
#include <fcntl.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTest>

#include "core/precise_clock.h"
#include "qt/qt_serial_port.h"
#include "qt/view_hub.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "support/pty.h"
#include "testing/fakes.h"

using namespace kestrom;

namespace {

using Pty = testing::PseudoTerminal;

// Lets the event loop run for `ms`, as the program would between events.
void runFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

class SerialPortTest : public QObject {
  Q_OBJECT

 private slots:
  void namesTheDeviceOfEachPort() {
    qputenv("KESTROM_COM7", "/dev/ttyUSB3");
    QCOMPARE(QtSerialPort::deviceName(7), QStringLiteral("/dev/ttyUSB3"));
    qunsetenv("KESTROM_COM7");
    QCOMPARE(QtSerialPort::deviceName(7), QStringLiteral("/dev/ttyS6"));
  }

  void missingOrBusyPortFailsToOpen() {
    Pty pty;
    QVERIFY(pty.ok());
    qputenv("KESTROM_COM2", "/dev/no-such-tty");
    QtSerialPort missing;
    QVERIFY(!missing.open(2, SerialSettings{}));
    QVERIFY(!missing.isOpen());
    QVERIFY(!missing.write("x"));

    qputenv("KESTROM_COM1", pty.path());
    QtSerialPort first, second;
    QVERIFY(first.open(1, SerialSettings{}));
    QVERIFY(!second.open(1, SerialSettings{}));
    QVERIFY(first.isOpen());
  }

  void bytesArriveUnaltered() {
    Pty pty;
    QVERIFY(pty.ok());
    qputenv("KESTROM_COM1", pty.path());
    QtSerialPort port;
    QVERIFY(port.open(1, SerialSettings{4800, 7, Parity::Even, 2}));
    QVERIFY(port.apply(SerialSettings{9600, 8, Parity::None, 1}));
    const std::string sent("\x00\x0D\x0A\xFF", 4);
    QVERIFY(port.write(sent));
    QTRY_COMPARE(pty.read(), QByteArray(sent.data(), 4));
  }

  // A write made with a slot clock reaches the line at the slot's instant, never
  // before it; one not yet due when the port closes is not sent, nor is one after.
  void writesWaitForTheirSlotInstant() {
    Pty pty;
    QVERIFY(pty.ok());
    qputenv("KESTROM_COM1", pty.path());
    QtSerialPort port;
    std::int64_t slot = 0;
    port.setSlotClock([&slot] { return slot; });
    QVERIFY(port.open(1, SerialSettings{}));
    slot = precise::nowNs() + 300'000'000;
    QVERIFY(port.write("first"));
    runFor(150);
    QCOMPARE(pty.read(), QByteArray());
    QTRY_COMPARE(pty.read(), QByteArray("first"));
    QVERIFY(precise::nowNs() >= slot);

    slot = precise::nowNs() + 10'000'000'000;
    QVERIFY(port.write("second"));
    port.close();
    QVERIFY(!port.write("third"));
    runFor(100);
    QCOMPARE(pty.read(), QByteArray("first"));
  }

  // A failure the line reports late, for a session since closed, does not end the
  // port's next session.
  void lateFailureOfAnEarlierSessionIsIgnored() {
    Pty first;
    Pty second;
    QVERIFY(first.ok() && second.ok());
    qputenv("KESTROM_COM1", first.path());
    QtSerialPort port;
    int failures = 0;
    port.onFailure = [&] { ++failures; };
    QVERIFY(port.open(1, SerialSettings{}));
    first.closeSlave();
    first.closeMaster();  // the line fails; its report is queued for this thread
    QVERIFY(port.write("lost"));
    QTest::qSleep(100);
    qputenv("KESTROM_COM1", second.path());
    QVERIFY(port.open(1, SerialSettings{}));  // before the report is delivered
    runFor(200);
    QCOMPARE(failures, 0);
    QVERIFY(port.isOpen());
    QVERIFY(port.write("kept"));
    QTRY_COMPARE(second.read(), QByteArray("kept"));
  }

  void vanishingLineIsReportedOnceAndClosesThePort() {
    Pty pty;
    QVERIFY(pty.ok());
    qputenv("KESTROM_COM1", pty.path());
    QtSerialPort port;
    int failures = 0;
    port.onFailure = [&] { ++failures; };
    QVERIFY(port.open(1, SerialSettings{}));
    pty.closeSlave();
    QVERIFY(port.write("hello"));
    QTRY_COMPARE(pty.read(), QByteArray("hello"));
    pty.closeMaster();
    QTRY_COMPARE(failures, 1);
    runFor(300);
    QCOMPARE(failures, 1);
    QVERIFY(!port.isOpen());
    QVERIFY(!port.write("more"));
  }

  // The whole chain: the telegram timer driven in real time writes to the line;
  // the line goes away; output switches off with the message left for the view.
  void telegramOutputStopsWhenTheLineGoesAway() {
    Pty pty;
    QVERIFY(pty.ok());
    qputenv("KESTROM_COM1", pty.path());
    testing::FakeRandom random;
    testing::FixedClock clock;
    testing::RecordingDialogs dialogs;
    testing::RecordingTone tone;
    testing::RecordingHelp help;
    QtSerialPort serial;
    Simulator sim(Services{random, clock, dialogs, tone, help, serial});
    ViewHub hub(sim);
    sim.setupWindow().MaskEdit1.Text = "00126";
    SerialOutput& out = sim.setupWindow().Serial;
    int pending = 0;
    out.onMessagePending = [&] { ++pending; };
    out.telegramsChange(1);  // ASCII 17
    out.comportClick(true);
    QVERIFY(out.Sending());
    pty.closeSlave();
    QTRY_VERIFY(pty.read().size() >= 2 * 17);
    QVERIFY(pty.read().startsWith("000000 000000 0\r\n000000 000000 0\r\n"));

    pty.closeMaster();
    QTRY_COMPARE(pending, 1);
    runFor(600);
    QCOMPARE(pending, 1);
    QVERIFY(!out.comport.Checked);
    QVERIFY(!out.Timer4.Enabled());
    QVERIFY(!serial.isOpen());
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(out.takePendingMessage().value_or(""), std::string(SerialOutput::kNotAvailable));
  }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "serial_port_test.moc"
