// The telegrams over real loopback sockets: TCP clients and UDP datagrams carry
// the serial port's bytes, tick by tick, and a client that stops reading is
// dropped without holding up the others.
#include <QCheckBox>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include "qt/network_output_view.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_telegram_network.h"
#include "qt/view_hub.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "support/loopback.h"
#include "support/pty.h"
#include "testing/fakes.h"

using namespace kestrom;

namespace {

using testing::Client;
using testing::freePort;
using Pty = testing::PseudoTerminal;

// The simulator on the real serial port and the real network.
struct Rig {
  testing::FakeRandom random{3};
  testing::FixedClock clock;
  testing::RecordingDialogs dialogs;
  testing::RecordingTone tone;
  testing::RecordingHelp help;
  QtSerialPort serial;
  QtTelegramNetwork network;
  Simulator sim{Services{random, clock, dialogs, tone, help, serial, &network}};
  SerialOutput& out() { return sim.setupWindow().Serial; }
  NetworkOutput& net() { return out().Network; }
  Rig() {
    sim.setupWindow().MaskEdit1.Text = "00126";
    out().telegramsChange(1);  // ASCII 17: a telegram in every slot
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) {
      sim.scheduler().advance(250);
      QCoreApplication::processEvents();
    }
  }
};

}  // namespace

class NetworkOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void tcpClientsAndTheSerialPortGetTheSameBytes() {
    Pty pty;
    qputenv("KESTROM_COM1", pty.path());
    Rig rig;
    const quint16 port = freePort();
    rig.net().tcpPortChange(std::to_string(port));
    rig.net().tcpServerClick(true);
    QVERIFY(rig.dialogs.shown.empty());
    QVERIFY(rig.net().tcpServer.Checked);
    Client first(port);
    Client second(port);
    QVERIFY(first.connected() && second.connected());
    QTRY_COMPARE(rig.network.clientCount(), 2);
    rig.out().comportClick(true);
    QVERIFY(rig.out().Sending());
    rig.ticks(12);
    QTRY_COMPARE(pty.read().size(), 12 * 17);
    QTRY_VERIFY(first.read() && first.received.size() == 12 * 17);
    QTRY_VERIFY(second.read() && second.received.size() == 12 * 17);
    QCOMPARE(first.received, pty.read());
    QCOMPARE(second.received, pty.read());
    rig.out().comportClick(false);
    rig.net().tcpServerClick(false);
    QTRY_VERIFY(!first.read());  // the server closed the connection
  }

  void aClientThatStopsReadingIsDroppedAndTheOtherGetsEverything() {
    QtTelegramNetwork network;
    const quint16 port = freePort();
    QCOMPARE(network.startTcpServer(port), std::string());
    Client stalled(port, 4096);
    Client reading(port);
    QTRY_COMPARE(network.clientCount(), 2);
    const std::string chunk(16384, 'x');
    qint64 sent = 0;
    for (int i = 0; i < 400 && network.clientCount() == 2; ++i) {
      network.send(chunk);
      sent += static_cast<qint64>(chunk.size());
      QTest::qWait(2);
      reading.read();
    }
    QCOMPARE(network.clientCount(), 1);
    QTRY_COMPARE(reading.received.size(), sent);
    network.stopTcpServer();
  }

  void udpDatagramsCarryWholeTelegrams() {
    QUdpSocket listener;
    QVERIFY(listener.bind(QHostAddress::LocalHost, 0));
    Rig rig;
    rig.net().udpPortChange(std::to_string(listener.localPort()));
    rig.net().udpClick(true);
    QVERIFY(rig.net().udp.Checked);
    rig.ticks(6);
    QList<QByteArray> datagrams;
    QTRY_VERIFY(([&] {
      while (listener.hasPendingDatagrams()) datagrams.append(listener.receiveDatagram().data());
      return datagrams.size() >= 6;
    }()));
    for (const QByteArray& d : datagrams) {
      QCOMPARE(d.size(), 17);
      QVERIFY(d.endsWith("\r\n"));
    }
    rig.net().udpClick(false);
  }

  void aPortInUseIsRefusedWithAClearMessage() {
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, 0));
    QtTelegramNetwork network;
    const std::string refused = network.startTcpServer(other.serverPort());
    QVERIFY2(refused.find("cannot listen on port") != std::string::npos, refused.c_str());
    network.send("ignored");  // nothing runs: nothing happens
    QCOMPARE(network.startUdp("not a host name!", 4002).substr(0, 13),
             std::string("Unknown host "));
  }

  // A host given by name is looked up in the background: the start returns at
  // once, the name found carries the datagrams, a name not found stops the
  // channel with a message, and a stop during the lookup reports nothing.
  void aHostNameIsLookedUpWithoutHoldingUpTheWindow() {
    QUdpSocket listener;
    QVERIFY(listener.bind(QHostAddress::LocalHost, 0));
    QtTelegramNetwork network;
    std::vector<std::string> failures;
    network.onFailure = [&](NetworkChannel, const std::string& reason) {
      failures.push_back(reason);
    };

    QCOMPARE(network.startUdp("localhost", listener.localPort()), std::string());
    QTRY_VERIFY(!network.udpLookingUp());
    network.send("telegram\r\n");
    QTRY_VERIFY(listener.hasPendingDatagrams());
    QCOMPARE(listener.receiveDatagram().data(), QByteArray("telegram\r\n"));

    QCOMPARE(network.startUdp("no-such-host.invalid", listener.localPort()), std::string());
    QTRY_COMPARE(failures, std::vector<std::string>{"Unknown host no-such-host.invalid."});
    network.send("not sent\r\n");

    QCOMPARE(network.startUdp("another-missing-host.invalid", listener.localPort()), std::string());
    network.stopUdp();
    QTest::qWait(200);
    QCOMPARE(failures.size(), std::size_t(1));
    QVERIFY(!listener.hasPendingDatagrams());
  }

  // The view: the boxes and edits drive the model, a refused start leaves the box
  // clear, and the model's text wins over junk.
  void theViewDrivesTheModel() {
    Rig rig;
    ViewHub hub(rig.sim);
    NetworkOutputView view(rig.sim, hub);
    auto* tcp = view.findChild<QCheckBox*>(QStringLiteral("tcpServer"));
    auto* tcpPort = view.findChild<QLineEdit*>(QStringLiteral("tcpPort"));
    auto* host = view.findChild<QLineEdit*>(QStringLiteral("udpHost"));
    QVERIFY(tcp && tcpPort && host);
    QCOMPARE(tcpPort->text(), QStringLiteral("4001"));
    tcpPort->setText(QStringLiteral("0"));  // as an assistive tool writes it
    QCOMPARE(rig.net().tcpPort.Text, std::string("0"));
    tcp->click();
    QVERIFY(!tcp->isChecked());
    QCOMPARE(rig.dialogs.shown.back().text, std::string(NetworkOutput::kBadTcpPort));
    tcpPort->setText(QString::number(freePort()));
    tcp->click();
    QVERIFY(tcp->isChecked());
    QVERIFY(rig.net().tcpServer.Checked);
    QVERIFY(!tcpPort->isEnabled());
    host->setText(QStringLiteral("localhost"));
    QCOMPARE(rig.net().udpHost.Text, std::string("localhost"));
    tcp->click();
    QVERIFY(!rig.net().tcpServer.Checked);
    QVERIFY(tcpPort->isEnabled());

    // A host that is not found clears its box and says so, once.
    auto* udp = view.findChild<QCheckBox*>(QStringLiteral("udp"));
    QVERIFY(udp);
    host->setText(QStringLiteral("no-such-host.invalid"));
    const std::size_t before = rig.dialogs.shown.size();
    udp->click();
    QTRY_VERIFY(!udp->isChecked());
    QVERIFY(host->isEnabled());
    QTRY_COMPARE(rig.dialogs.shown.size(), before + 1);
    QCOMPARE(rig.dialogs.shown.back().text, std::string("Unknown host no-such-host.invalid."));
  }
};

QTEST_MAIN(NetworkOutputTest)
#include "network_output_test.moc"
