// What a client on the network, a full table of file handles or a careless paste
// may do to the network output: nothing of it crashes the program, holds up the
// other clients, spins the telegram thread or starts a channel the operator did
// not ask for.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "qt/network_output_view.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_services.h"
#include "qt/qt_telegram_network.h"
#include "qt/view_hub.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "support/handles.h"
#include "support/loopback.h"
#include "testing/fakes.h"

using namespace kestrom;

namespace {

using testing::Client;
using testing::freePort;
using testing::HandlesUsedUp;
using testing::lineThreadSeconds;

// The simulator on the real network, with the program's own message boxes.
struct Rig {
  testing::FakeRandom random{3};
  testing::FixedClock clock;
  QtMessageBoxes dialogs;
  testing::RecordingTone tone;
  testing::RecordingHelp help;
  QtSerialPort serial;
  QtTelegramNetwork network;
  Simulator sim{Services{random, clock, dialogs, tone, help, serial, &network}};
  ViewHub hub{sim};
  NetworkOutputView view{sim, hub};
  NetworkOutput& net() { return sim.setupWindow().Serial.Network; }
  template <typename T>
  T* child(const char* name) {
    return view.findChild<T*>(QString::fromLatin1(name));
  }
  // The text of the box on show, closing it; empty when none came.
  QString takeBox() {
    QTest::qWait(20);
    QMessageBox* box = dialogs.shownBox();
    if (!box) return {};
    const QString text = box->text();
    box->accept();
    QTest::qWait(20);
    return text;
  }
};

}  // namespace

class NetworkFaultsTest : public QObject {
  Q_OBJECT

 private slots:
  // A write to a peer that has reset reports it at once, in the middle of the
  // round of the clients: hundreds of them at a time must not break the round.
  void clientsThatResetLeaveTheOthersTheirTelegrams() {
    QtTelegramNetwork network;
    const quint16 port = freePort();
    QCOMPARE(network.startTcpServer(port), std::string());
    Client steady(port);
    for (int round = 0; round < 5; ++round) {
      std::vector<std::unique_ptr<Client>> leaving;
      for (int i = 0; i < 150; ++i) leaving.push_back(std::make_unique<Client>(port));
      QTRY_COMPARE(network.clientCount(), 151);
      // The line thread is held while they all reset, so that the telegram is
      // written to them before it hears of any reset.
      const int holder = 0;
      PacedThread::shared()->runAt(
          0, &holder, [] { std::this_thread::sleep_for(std::chrono::milliseconds(150)); });
      for (auto& c : leaving) c->reset();
      network.send("0001260 04000 1\r\n");
      network.send("0001261 04000 1\r\n");
      QTRY_COMPARE(network.clientCount(), 1);
    }
    network.send("last\r\n");
    QTRY_VERIFY(steady.read() && steady.received.endsWith("last\r\n"));
    QCOMPARE(steady.received.size(), qsizetype(5 * 2 * 17 + 6));
    network.stopTcpServer();
  }

  // With every handle in use the server cannot take a client: it waits rather
  // than trying again at once, says so once, and takes the waiting clients as
  // soon as handles are free again.
  void runningOutOfHandlesPausesTheServerWithoutSpinning() {
    if (!testing::kHandlesCanRunOut) QSKIP("the sanitizers need free handles of their own");
    QtTelegramNetwork network;
    std::vector<std::string> notices;
    std::vector<std::string> failures;
    network.onNotice = [&](NetworkChannel, const std::string& t) { notices.push_back(t); };
    network.onFailure = [&](NetworkChannel, const std::string& t) { failures.push_back(t); };
    const quint16 port = freePort();
    QCOMPARE(network.startTcpServer(port), std::string());
    Client first(port);
    QTRY_COMPARE(network.clientCount(), 1);
    std::vector<std::unique_ptr<Client>> waiting;
    for (int i = 0; i < 20; ++i) waiting.push_back(std::make_unique<Client>(port, 0, false));
    {
      HandlesUsedUp full;
      for (auto& c : waiting) QVERIFY(c->connect());  // the kernel takes them; accept cannot
      const double before = lineThreadSeconds();
      QTest::qWait(1500);
      const double used = lineThreadSeconds() - before;
      QVERIFY2(used < 0.15, qPrintable(QStringLiteral("line thread used %1 s").arg(used)));
      QCOMPARE(network.clientCount(), 1);
    }
    QTRY_COMPARE(network.clientCount(), 21);
    QCOMPARE(notices.size(), std::size_t(1));
    QVERIFY2(notices.front().find("cannot take more clients") != std::string::npos,
             notices.front().c_str());
    QVERIFY(failures.empty());
    network.send("still on\r\n");
    QTRY_VERIFY(first.read() && first.received == "still on\r\n");
    QTRY_VERIFY(waiting.back()->read() && waiting.back()->received == "still on\r\n");
    network.stopTcpServer();
  }

  // Only a full dotted quad or an IPv6 address is taken as an address; the short
  // and octal forms, and numbers that are no address, are unknown hosts.
  void onlyWholeAddressesAreAddresses() {
    QUdpSocket listener;
    QVERIFY(listener.bind(QHostAddress::LocalHost, 0));
    QtTelegramNetwork network;
    for (const char* bad : {"1.2.3", "127.1", "4001", "256.1.1.1", "1.2.3.4.5", "010.0.0.1",
                            "0x7f.0.0.1", "1..2.3", "1.2.3.", "::g"}) {
      QCOMPARE(network.startUdp(bad, listener.localPort()),
               std::string("Unknown host ") + bad + ".");
    }
    QCOMPARE(network.startUdp("127.0.0.1", listener.localPort()), std::string());
    network.send("four\r\n");
    QTRY_VERIFY(listener.hasPendingDatagrams());
    QCOMPARE(listener.receiveDatagram().data(), QByteArray("four\r\n"));
    QUdpSocket six;
    if (six.bind(QHostAddress::LocalHostIPv6, 0)) {
      QCOMPARE(network.startUdp("::1", six.localPort()), std::string());
      network.send("six\r\n");
      QTRY_VERIFY(six.hasPendingDatagrams());
      QCOMPARE(six.receiveDatagram().data(), QByteArray("six\r\n"));
    }
    network.stopUdp();
  }

  // A text that cannot be a port, pasted or typed, is refused whole with the
  // message an out-of-range port gets; nothing is cut down to a port.
  void portTextsAreRefusedWholeWithAMessage() {
    Rig rig;
    auto* tcpPort = rig.child<QLineEdit>("tcpPort");
    auto* udpPort = rig.child<QLineEdit>("udpPort");
    auto* host = rig.child<QLineEdit>("udpHost");
    QVERIFY(tcpPort && udpPort && host);
    const QString pasted(10000, QLatin1Char('4'));
    for (const QString& bad : {pasted, QStringLiteral("-1"), QStringLiteral("4001x"),
                               QStringLiteral("1e9"), QString::fromUtf8("٤٠٠١")}) {
      tcpPort->setText(bad);
      QCOMPARE(rig.takeBox(), QString::fromLatin1(NetworkOutput::kBadTcpPort));
      QCOMPARE(tcpPort->text(), QStringLiteral("4001"));
      QCOMPARE(rig.net().tcpPort.Text, std::string("4001"));
      udpPort->setText(bad);
      QCOMPARE(rig.takeBox(), QString::fromLatin1(NetworkOutput::kBadUdpPort));
      QCOMPARE(udpPort->text(), QStringLiteral("4002"));
    }
    host->setText(QString(300, QLatin1Char('h')));
    QCOMPARE(rig.takeBox(), QString::fromLatin1(NetworkOutput::kLongUdpHost));
    QCOMPARE(host->text(), QStringLiteral("127.0.0.1"));
    tcpPort->setText(QStringLiteral("4003"));
    QCOMPARE(rig.takeBox(), QString());
    QCOMPARE(rig.net().tcpPort.Text, std::string("4003"));
  }

  // An assistive tool that ticks a box gets its answer back before the failure's
  // box opens, as a click does; the box then says what went wrong.
  void aFailureBoxWaitsUntilTheActionHasReturned() {
    QTcpServer taken;
    QVERIFY(taken.listen(QHostAddress::Any, 0));
    Rig rig;
    rig.net().tcpPortChange(std::to_string(taken.serverPort()));
    auto* tcp = rig.child<QCheckBox>("tcpServer");
    QVERIFY(tcp);
    bool boxDuringAction = false;
    bool inAction = true;
    QTimer::singleShot(0, [&] {
      if (!inAction) return;
      boxDuringAction = QApplication::activeModalWidget() != nullptr;
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(tcp);
    QVERIFY(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    inAction = false;
    QVERIFY(!boxDuringAction);
    QVERIFY(!tcp->isChecked());
    const QString said = rig.takeBox();
    QVERIFY2(said.contains(QString::number(taken.serverPort())), qPrintable(said));

    // Boxes raised together come one at a time, in order.
    rig.dialogs.error("first");
    rig.dialogs.information("second");
    QCOMPARE(rig.takeBox(), QStringLiteral("first"));
    QCOMPARE(rig.takeBox(), QStringLiteral("second"));
    QCOMPARE(rig.takeBox(), QString());
  }
};

QTEST_MAIN(NetworkFaultsTest)
#include "network_faults_test.moc"
