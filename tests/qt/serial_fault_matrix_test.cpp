// Every way the serial line can fail while the setup window sends telegrams, on
// real pseudo-terminals through the real port class, with either output box:
// one clear message, output stopped, both boxes and the lists ready for a retry,
// nothing claimed as sent, and a logger on the far end sees whole telegrams only.
#include <fcntl.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTest>
#include <memory>

#include "qt/qt_serial_port.h"
#include "qt/view_hub.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "support/pty.h"
#include "testing/fakes.h"

using namespace kestrom;

namespace {

// A pseudo-terminal pair whose slave side the port under test holds alone; the
// test is the logger on the master side.
class Pty : public testing::PseudoTerminal {
 public:
  Pty() : PseudoTerminal(Slave::Released) {}
};

void runFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The real port whose writes the driver can be made to refuse.
class RefusablePort : public QtSerialPort {
 public:
  bool refuse = false;
  bool write(const std::string& bytes) override { return !refuse && QtSerialPort::write(bytes); }
};

constexpr int kTelegramBytes = 17;  // ASCII 17, sent in lock and out of it

// The simulator on the real port, as the program runs it, counting the messages
// its views would show: message boxes from operator events and messages left by
// a failing port.
struct Line {
  testing::FakeRandom random;
  testing::FixedClock clock;
  testing::RecordingDialogs dialogs;
  testing::RecordingTone tone;
  testing::RecordingHelp help;
  RefusablePort port;
  Simulator sim{Services{random, clock, dialogs, tone, help, port}};
  ViewHub hub{sim};
  int left = 0;
  Line() {
    out().onMessagePending = [this] {
      if (out().takePendingMessage()) ++left;
    };
    out().telegramsChange(1);  // ASCII 17
  }
  SerialOutput& out() { return sim.setupWindow().Serial; }
  int messages() const { return static_cast<int>(dialogs.shown.size()) + left; }
  void click(int box, bool on) {
    if (box == 0) out().comportClick(on);
    if (box == 1) out().CheckBox1Click(on);
  }
};

void usePort(int n, const QByteArray& device) {
  qputenv(("KESTROM_COM" + QByteArray::number(n)).constData(), device);
}

}  // namespace

class SerialFaultMatrixTest : public QObject {
  Q_OBJECT

  // One message, output stopped, nothing open, every control ready to retry; and
  // no second message however long the program keeps ticking.
  static void verifyStoppedOnce(Line& line) {
    QCOMPARE(line.messages(), 1);
    SerialOutput& out = line.out();
    QVERIFY(!out.comport.Checked);
    QVERIFY(!out.CheckBox1.Checked);
    QVERIFY(out.comport.Enabled && out.CheckBox1.Enabled);
    for (const ComboBox* list : {&out.coms, &out.baudrate, &out.databits, &out.parity,
                                 &out.stopbits, &out.updaterate, &out.telegrams}) {
      QVERIFY(list->Enabled);
    }
    QVERIFY(!out.Timer4.Enabled());
    QVERIFY(!out.Sending());
    QVERIFY(!line.port.isOpen());
    runFor(700);
    QCOMPARE(line.messages(), 1);
    QVERIFY(!line.port.isOpen());
    if (!line.dialogs.shown.empty()) {
      QCOMPARE(line.dialogs.shown[0].text, std::string(SerialOutput::kNotAvailable));
    }
  }

  // What reached the logger is whole telegrams, at least `atLeast` of them.
  static void verifyWholeTelegrams(Pty& pty, int atLeast) {
    const QByteArray got = pty.read();
    QVERIFY2(got.size() % kTelegramBytes == 0, got.constData());
    QVERIFY(got.size() >= atLeast * kTelegramBytes);
    for (int i = 0; i < got.size(); i += kTelegramBytes) {
      QCOMPARE(got.mid(i, kTelegramBytes), QByteArray("000000 000000 0\r\n"));
    }
  }

  static void retryWorks(Line& line, int box, Pty& pty) {
    usePort(1, pty.path());
    line.click(box, true);
    QVERIFY(line.out().Sending());
    QTRY_VERIFY(pty.read().size() >= kTelegramBytes);
    line.click(box, false);
  }

 private slots:
  void cleanup() {
    qunsetenv("KESTROM_COM1");
    qunsetenv("KESTROM_COM2");
  }

  void eitherBox_data() {
    QTest::addColumn<int>("box");
    QTest::newRow("Serial Output On") << 0;
    QTest::newRow("Output Controled by Sim.") << 1;
  }

  void portMissing_data() { eitherBox_data(); }
  void portMissing() {
    QFETCH(int, box);
    Line line;
    usePort(1, "/dev/no-such-tty");
    line.click(box, true);
    verifyStoppedOnce(line);
    Pty pty;
    retryWorks(line, box, pty);
  }

  void portBusy_data() { eitherBox_data(); }
  void portBusy() {
    QFETCH(int, box);
    Pty pty;
    usePort(1, pty.path());
    auto other = std::make_unique<QtSerialPort>();  // another program holds the port
    QVERIFY(other->open(1, SerialSettings{}));
    Line line;
    line.click(box, true);
    verifyStoppedOnce(line);
    other.reset();
    retryWorks(line, box, pty);
  }

  void farEndGone_data() { eitherBox_data(); }
  void farEndGone() {
    QFETCH(int, box);
    auto pty = std::make_unique<Pty>();
    usePort(1, pty->path());
    Line line;
    line.click(box, true);
    QVERIFY(line.out().Sending());
    QTRY_VERIFY(pty->read().size() >= 2 * kTelegramBytes);
    verifyWholeTelegrams(*pty, 2);
    pty->closeMaster();
    QTRY_COMPARE(line.messages(), 1);
    verifyStoppedOnce(line);
    Pty fresh;
    retryWorks(line, box, fresh);
  }

  void writeRefused_data() { eitherBox_data(); }
  void writeRefused() {
    QFETCH(int, box);
    Pty pty;
    usePort(1, pty.path());
    Line line;
    line.click(box, true);
    QTRY_VERIFY(pty.read().size() >= kTelegramBytes);
    line.port.refuse = true;
    QTRY_COMPARE(line.messages(), 1);
    verifyStoppedOnce(line);
    verifyWholeTelegrams(pty, 1);
    line.port.refuse = false;
    retryWorks(line, box, pty);
  }

  // The port list changes while output runs: to a port that works, output goes on
  // there; to one that is missing, output stops with one message.
  void portChangedWhileRunning_data() { eitherBox_data(); }
  void portChangedWhileRunning() {
    QFETCH(int, box);
    Pty first, second;
    usePort(1, first.path());
    usePort(2, second.path());
    Line line;
    line.click(box, true);
    QTRY_VERIFY(first.read().size() >= kTelegramBytes);
    line.out().comsChange(1);
    QVERIFY(line.out().Sending());
    QTRY_VERIFY(second.read().size() >= kTelegramBytes);
    verifyWholeTelegrams(first, 1);
    QCOMPARE(line.messages(), 0);

    usePort(1, "/dev/no-such-tty");
    line.out().comsChange(0);
    verifyStoppedOnce(line);
    verifyWholeTelegrams(second, 1);
    line.out().comsChange(1);
    line.click(box, true);
    QVERIFY(line.out().Sending());
  }
};

QTEST_GUILESS_MAIN(SerialFaultMatrixTest)
#include "serial_fault_matrix_test.moc"
