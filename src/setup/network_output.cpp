#include "setup/network_output.h"

#include <algorithm>
#include <charconv>

#include "core/trim.h"
#include "setup/context.h"

namespace kestrom {

namespace {

bool portText(const std::string& text) {
  return text.size() <= 5 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<int> parsePortNumber(const std::string& text) {
  if (text.empty() || !portText(text)) return std::nullopt;
  int port = 0;
  std::from_chars(text.data(), text.data() + text.size(), port);
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

NetworkOutput::NetworkOutput(Context& ctx, std::function<void()> runningChanged)
    : ctx_(ctx), runningChanged_(std::move(runningChanged)) {
  tcpPort.Text = "4001";
  udpHost.Text = "127.0.0.1";
  udpPort.Text = "4002";
  if (TelegramNetwork* net = network()) {
    net->onFailure = [this](NetworkChannel channel, const std::string& reason) {
      failed(channel, reason);
    };
    net->onNotice = [this](NetworkChannel, const std::string& text) { queue(text); };
  }
}

NetworkOutput::~NetworkOutput() {
  if (TelegramNetwork* net = network()) {
    net->onFailure = nullptr;
    net->onNotice = nullptr;
    if (tcpServer.Checked) net->stopTcpServer();
    if (udp.Checked) net->stopUdp();
  }
}

TelegramNetwork* NetworkOutput::network() const {
  return ctx_.services().network;
}

void NetworkOutput::say(const std::string& message) {
  ctx_.services().dialogs.error(message);
}

void NetworkOutput::tcpServerClick(bool checked) {
  if (!tcpServer.Enabled || checked == tcpServer.Checked) return;
  if (!checked) {
    network()->stopTcpServer();
    setTcp(false);
    return;
  }
  const std::optional<int> port = parsePortNumber(tcpPort.Text);
  if (!port) return say(kBadTcpPort);
  if (!network()) return say(kNotAvailable);
  const std::string refused = network()->startTcpServer(*port);
  if (!refused.empty()) return say(refused);
  setTcp(true);
}

void NetworkOutput::udpClick(bool checked) {
  if (!udp.Enabled || checked == udp.Checked) return;
  if (!checked) {
    network()->stopUdp();
    setUdp(false);
    return;
  }
  const std::optional<int> port = parsePortNumber(udpPort.Text);
  const std::string host(trimSpaces(udpHost.Text));
  if (host.empty()) return say(kNoUdpHost);
  if (!port) return say(kBadUdpPort);
  if (!network()) return say(kNotAvailable);
  const std::string refused = network()->startUdp(host, *port);
  if (!refused.empty()) return say(refused);
  setUdp(true);
}

void NetworkOutput::setTcp(bool on) {
  tcpServer.Checked = on;
  tcpPort.Enabled = !on;
  ctx_.services().log().output("TCP server", on);
  if (runningChanged_) runningChanged_();
}

void NetworkOutput::setUdp(bool on) {
  udp.Checked = on;
  udpHost.Enabled = udpPort.Enabled = !on;
  ctx_.services().log().output("UDP", on);
  if (runningChanged_) runningChanged_();
}

// A text that cannot be a port is refused whole, with the message a port out of
// range gets: a pasted text is never cut down to a port the operator did not type.
void NetworkOutput::tcpPortChange(const std::string& text) {
  if (!tcpPort.Enabled || text == tcpPort.Text) return;
  if (!portText(text)) return say(kBadTcpPort);
  tcpPort.Text = text;
}

void NetworkOutput::udpPortChange(const std::string& text) {
  if (!udpPort.Enabled || text == udpPort.Text) return;
  if (!portText(text)) return say(kBadUdpPort);
  udpPort.Text = text;
}

void NetworkOutput::udpHostChange(const std::string& text) {
  if (!udpHost.Enabled || text == udpHost.Text) return;
  if (text.size() > kMostHostChars) return say(kLongUdpHost);
  udpHost.Text = text;
}

void NetworkOutput::send(const std::string& bytes) {
  if (running() && !bytes.empty()) network()->send(bytes);
}

void NetworkOutput::failed(NetworkChannel channel, const std::string& reason) {
  if (channel == NetworkChannel::TcpServer) {
    if (!tcpServer.Checked) return;  // already off
    setTcp(false);
  } else {
    if (!udp.Checked) return;
    setUdp(false);
  }
  queue(reason);
}

void NetworkOutput::queue(const std::string& message) {
  pending_.push_back(message);
  if (onMessagePending) onMessagePending();
}

std::optional<std::string> NetworkOutput::takePendingMessage() {
  if (pending_.empty()) return std::nullopt;
  std::string message = std::move(pending_.front());
  pending_.pop_front();
  return message;
}

}  // namespace kestrom
