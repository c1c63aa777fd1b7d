#include "setup/network_output.h"

#include <gtest/gtest.h>

#include <string>

#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using testing::Rig;

struct NetworkOutputTest : ::testing::Test {
  Rig rig;
  SerialOutput& out = rig.sim.setupWindow().Serial;
  NetworkOutput& net = out.Network;
  void SetUp() override {
    rig.sim.setupWindow().MaskEdit1.Text = "00126";
    out.telegramsChange(0);  // ASCII 16: a telegram in every slot, in lock or not
  }
  std::vector<std::string> shown() const {
    std::vector<std::string> texts;
    for (const auto& m : rig.dialogs.shown) texts.push_back(m.text);
    return texts;
  }
};

TEST(PortNumbers, AreWholeNumbersFromOneTo65535) {
  EXPECT_EQ(parsePortNumber("1"), 1);
  EXPECT_EQ(parsePortNumber("65535"), 65535);
  EXPECT_EQ(parsePortNumber("04001"), 4001);
  for (const char* bad : {"", "0", "65536", "99999", "12a", " 80", "-1", "123456"}) {
    EXPECT_EQ(parsePortNumber(bad), std::nullopt) << bad;
  }
}

// The network channels run the serial output's timer, on their own: every tick's
// telegram to both, and the serial boxes untouched.
TEST_F(NetworkOutputTest, ChannelsRunTheTelegramTimerWithoutTheSerialOutput) {
  net.tcpServerClick(true);
  ASSERT_TRUE(net.tcpServer.Checked);
  EXPECT_EQ(rig.network.tcpPort, 4001);
  EXPECT_FALSE(net.tcpPort.Enabled);
  EXPECT_TRUE(out.Timer4.Enabled());
  EXPECT_FALSE(out.Sending());
  EXPECT_FALSE(out.comport.Checked || out.CheckBox1.Checked);
  rig.advance(1000);
  ASSERT_EQ(rig.network.sent.size(), 4u);
  EXPECT_TRUE(rig.serial.writes.empty());

  // With the serial output on as well, both get the same bytes, tick by tick, and
  // the timer keeps its phase.
  out.comportClick(true);
  rig.network.sent.clear();
  rig.advance(1000);
  EXPECT_EQ(rig.network.sent, rig.serial.writes);
  EXPECT_EQ(rig.network.sent.size(), 4u);

  // The serial output off: the network goes on; both off: the timer stops.
  out.comportClick(false);
  EXPECT_TRUE(out.Timer4.Enabled());
  net.tcpServerClick(false);
  EXPECT_FALSE(out.Timer4.Enabled());
  EXPECT_EQ(rig.network.tcpPort, 0);
  EXPECT_TRUE(net.tcpPort.Enabled);
}

TEST_F(NetworkOutputTest, BadPortsAndHostsAreRefusedWithAMessageAndLoseNothing) {
  net.tcpPortChange("70000");
  net.tcpServerClick(true);
  EXPECT_FALSE(net.tcpServer.Checked);
  EXPECT_FALSE(out.Timer4.Enabled());
  EXPECT_EQ(shown(), std::vector<std::string>{NetworkOutput::kBadTcpPort});
  EXPECT_EQ(net.tcpPort.Text, "70000");  // left for the operator to mend

  // A text that cannot be a port is refused whole, with the same message, and
  // never cut down to one.
  for (const char* junk : {"40x2", "123456", "-1", "1e9", "4001 "}) {
    rig.dialogs.shown.clear();
    net.udpPortChange(junk);
    EXPECT_EQ(shown(), std::vector<std::string>{NetworkOutput::kBadUdpPort}) << junk;
    net.tcpPortChange(junk);
    EXPECT_EQ(shown().back(), NetworkOutput::kBadTcpPort) << junk;
  }
  EXPECT_EQ(net.udpPort.Text, "4002");
  EXPECT_EQ(net.tcpPort.Text, "70000");
  net.udpHostChange(std::string(254, 'h'));
  EXPECT_EQ(shown().back(), NetworkOutput::kLongUdpHost);
  EXPECT_EQ(net.udpHost.Text, "127.0.0.1");
  net.udpHostChange("   ");
  net.udpClick(true);
  EXPECT_FALSE(net.udp.Checked);
  EXPECT_EQ(shown().back(), NetworkOutput::kNoUdpHost);

  // The network's own refusal is shown as it gives it.
  net.udpHostChange("no.such.host");
  rig.network.refuse = "Unknown host no.such.host.";
  net.udpClick(true);
  EXPECT_FALSE(net.udp.Checked);
  EXPECT_EQ(shown().back(), "Unknown host no.such.host.");
  rig.network.refuse.clear();
  net.udpClick(true);
  EXPECT_TRUE(net.udp.Checked);
  EXPECT_EQ(rig.network.udpHost, "no.such.host");
  EXPECT_FALSE(net.udpHost.Enabled || net.udpPort.Enabled);
  net.udpHostChange("other");  // locked while the channel runs
  EXPECT_EQ(net.udpHost.Text, "no.such.host");
}

// A channel that fails by itself (a tick's datagram refused) is switched off with
// its message left for the view; the serial output and the other channel go on.
TEST_F(NetworkOutputTest, AChannelThatFailsStopsAloneWithOneMessage) {
  int pending = 0;
  net.onMessagePending = [&] { ++pending; };
  out.comportClick(true);
  net.tcpServerClick(true);
  net.udpClick(true);
  rig.network.fail(NetworkChannel::Udp, "Network unreachable.");
  rig.network.fail(NetworkChannel::Udp, "Network unreachable.");
  EXPECT_EQ(pending, 1);
  EXPECT_EQ(net.takePendingMessage(), "Network unreachable.");
  EXPECT_FALSE(net.udp.Checked);
  EXPECT_TRUE(net.udpHost.Enabled);
  EXPECT_TRUE(net.tcpServer.Checked);
  EXPECT_TRUE(out.Sending());
  EXPECT_TRUE(rig.dialogs.shown.empty());
  rig.network.sent.clear();
  rig.advance(500);
  EXPECT_EQ(rig.network.sent.size(), 2u);
  EXPECT_EQ(rig.serial.writes.size(), 2u);

  // A notice leaves its channel running; it waits behind any message before it.
  rig.network.fail(NetworkChannel::Udp, "late");  // the channel is off already
  rig.network.onNotice(NetworkChannel::TcpServer, "No more clients for now.");
  rig.network.onNotice(NetworkChannel::TcpServer, "Again.");
  EXPECT_EQ(pending, 3);
  EXPECT_EQ(net.takePendingMessage(), "No more clients for now.");
  EXPECT_EQ(net.takePendingMessage(), "Again.");
  EXPECT_EQ(net.takePendingMessage(), std::nullopt);
  EXPECT_TRUE(net.tcpServer.Checked);
}

// A serial port that fails leaves the network output running.
TEST_F(NetworkOutputTest, ASerialFailureLeavesTheNetworkRunning) {
  out.comportClick(true);
  net.tcpServerClick(true);
  rig.serial.vanish();
  EXPECT_FALSE(out.comport.Checked);
  EXPECT_TRUE(net.tcpServer.Checked);
  EXPECT_TRUE(out.Timer4.Enabled());
  rig.network.sent.clear();
  rig.advance(250);
  EXPECT_EQ(rig.network.sent.size(), 1u);
}

TEST(NetworkOutputWithoutNetwork, SaysItIsNotAvailable) {
  testing::OfflineRig<> rig;
  NetworkOutput& net = rig.sim.setupWindow().Serial.Network;
  net.tcpServerClick(true);
  EXPECT_FALSE(net.tcpServer.Checked);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, NetworkOutput::kNotAvailable);
}

}  // namespace
}  // namespace kestrom
