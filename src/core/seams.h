#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kestrom {

// Everything the simulation core needs from the outside world. The application
// plugs in real implementations (src/qt); tests plug in recorders.

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Uniform whole number 0 .. n-1 (0 when n <= 0).
  virtual int random(int n) = 0;
  // Uniform real 0 <= x < 1.
  virtual double randomReal() = 0;
};

class WallClock {
 public:
  virtual ~WallClock() = default;
  // Time of day as the panels show it, "HH:MM:SS".
  virtual std::string timeOfDay() = 0;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  enum class Answer { Ok, Cancel };
  virtual void information(const std::string& text) = 0;
  virtual Answer warningOkCancel(const std::string& text) = 0;
  virtual void error(const std::string& text) = 0;
};

struct Beep {
  int frequencyHz;
  int durationMs;
};

class TonePlayer {
 public:
  virtual ~TonePlayer() = default;
  // Plays the beeps one after another without blocking the caller.
  virtual void play(const std::vector<Beep>& beeps) = 0;
};

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens the simulator's manual at its contents page.
  virtual void openContents(const std::string& helpFile) = 0;
};

enum class Parity { None, Even, Odd };

struct SerialSettings {
  int baudRate = 9600;
  int dataBits = 8;
  Parity parity = Parity::None;
  int stopBits = 1;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens "COM PORT n" with the given line settings; false when the port is missing
  // or in use.
  virtual bool open(int portNumber, const SerialSettings& settings) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Changes the line settings, open or closed; false when an open port refuses them.
  virtual bool apply(const SerialSettings& settings) = 0;
  // Hands the bytes to the port's output buffer as one write; false on failure.
  virtual bool write(const std::string& bytes) = 0;
  // Called when an open port fails by itself (device gone, write error).
  std::function<void()> onFailure;
};

enum class NetworkChannel { TcpServer, Udp };

// The telegrams over the network, beside the serial port: a TCP server that any
// number of clients connect to, and UDP datagrams to one host (or a broadcast
// address).
class TelegramNetwork {
 public:
  virtual ~TelegramNetwork() = default;
  // Each start gives an empty text on success, otherwise why it could not start
  // (port in use, unknown host), and the channel stays stopped. A start that
  // needs time, such as looking up a host name, may instead give an empty text
  // and fail later through onFailure.
  virtual std::string startTcpServer(int port) = 0;
  virtual void stopTcpServer() = 0;
  virtual std::string startUdp(const std::string& host, int port) = 0;
  virtual void stopUdp() = 0;
  // Hands one telegram to every running channel: one write to each connected
  // client, one datagram.
  virtual void send(const std::string& bytes) = 0;
  // Called when a running channel fails by itself; the channel has stopped.
  std::function<void(NetworkChannel, const std::string& reason)> onFailure;
  // Called when a running channel has something to say and goes on (the TCP
  // server cannot take more clients for now); said once a start.
  std::function<void(NetworkChannel, const std::string& text)> onNotice;
};

// The seams handed to the simulator. Without a network, the network output says
// it is not available.
struct Services {
  RandomSource& random;
  WallClock& clock;
  MessageBoxes& dialogs;
  TonePlayer& tone;
  HelpViewer& help;
  SerialPort& serial;
  TelegramNetwork* network = nullptr;
};

}  // namespace kestrom
