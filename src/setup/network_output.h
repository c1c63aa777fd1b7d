#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/controls.h"
#include "core/seams.h"

namespace kestrom {

class Context;

// " Network Output " in the setup window's right-hand half: the telegrams of the
// serial output's timer, byte for byte, also to TCP clients and as UDP datagrams.
// Each channel has its own box, independent of the serial boxes; while a box is
// ticked its port and host cannot be changed.
class NetworkOutput {
 public:
  // `runningChanged` is called whenever a channel starts or stops (the telegram
  // timer runs while any output is on).
  NetworkOutput(Context& ctx, std::function<void()> runningChanged);
  ~NetworkOutput();
  NetworkOutput(const NetworkOutput&) = delete;
  NetworkOutput& operator=(const NetworkOutput&) = delete;

  static constexpr const char* kNotAvailable = "Network output is not available.";
  static constexpr const char* kBadTcpPort =
      "The TCP server port must be a number from 1 to 65535.";
  static constexpr const char* kBadUdpPort = "The UDP port must be a number from 1 to 65535.";
  static constexpr const char* kNoUdpHost = "Enter the host the UDP telegrams go to.";
  static constexpr std::size_t kMostHostChars = 253;  // the longest host name
  static constexpr const char* kLongUdpHost =
      "The UDP host must be a name or an address of at most 253 characters.";

  CheckBox tcpServer;  // "TCP server"
  Edit tcpPort;        // the port clients connect to
  CheckBox udp;        // "UDP"
  Edit udpHost;        // a name or an address; a broadcast address reaches a network
  Edit udpPort;

  // Operator input. A box click carries the box's new state; an edit carries its
  // whole new text. Input to a disabled control is ignored. A port text that is
  // not digits alone (at most five), or a host longer than a name can be, is
  // refused with a message and the text stays as it was.
  void tcpServerClick(bool checked);
  void udpClick(bool checked);
  void tcpPortChange(const std::string& text);
  void udpPortChange(const std::string& text);
  void udpHostChange(const std::string& text);

  // True while a channel is on.
  bool running() const { return tcpServer.Checked || udp.Checked; }
  // One telegram to every channel that is on.
  void send(const std::string& bytes);

  // A channel that fails by itself is switched off and its message waits here
  // until the view shows it, as the serial output's does; so does a notice of a
  // channel that goes on.
  std::optional<std::string> takePendingMessage();
  std::function<void()> onMessagePending;

 private:
  TelegramNetwork* network() const;
  // Ticks or clears a box: its edits locked while it is ticked.
  void setTcp(bool on);
  void setUdp(bool on);
  void failed(NetworkChannel channel, const std::string& reason);
  void say(const std::string& message);
  void queue(const std::string& message);

  Context& ctx_;
  std::function<void()> runningChanged_;
  std::deque<std::string> pending_;
};

// A port number typed in an edit: 1 .. 65535, or nothing.
std::optional<int> parsePortNumber(const std::string& text);

}  // namespace kestrom
