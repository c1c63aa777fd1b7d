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
  // Asks where to save a file; `filter` is "Description (*.ext)". An empty text
  // when the user cancels or when there is no one to ask.
  virtual std::string saveFileName(const std::string& caption, const std::string& filter) {
    (void)caption;
    (void)filter;
    return {};
  }
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

// What the trainee does, for the instructor's debrief. The panels, the setup
// window and the outputs report through this one interface; this base records
// nothing. Panels are named "Mobile", "Fix", "Beacon"; screens by their number.
class ActivityLog {
 public:
  virtual ~ActivityLog() = default;
  // A key of a panel's front plate, with the screen on show before and after it.
  virtual void key(const std::string& panel, const std::string& key, int screenBefore,
                   int screenAfter) {
    (void)panel, (void)key, (void)screenBefore, (void)screenAfter;
  }
  // An ENTER about to act on `screen`; `stored` is what the screen holds. An
  // error message shown before the key ends turns it into a refusal.
  virtual void enter(const std::string& panel, int screen, const std::string& stored) {
    (void)panel, (void)screen, (void)stored;
  }
  // Every message box shown ("information", "warning", "error").
  virtual void message(const std::string& kind, const std::string& text) { (void)kind, (void)text; }
  // The state of the link after each cycle; `failed` names the conditions that do
  // not hold. Only changes are recorded.
  virtual void link(bool inBeam, bool locked, const std::string& failed) {
    (void)inBeam, (void)locked, (void)failed;
  }
  // An alarm raised (its text) or accepted.
  virtual void alarm(bool raised, const std::string& text) { (void)raised, (void)text; }
  // A choice in the setup window.
  virtual void setupChanged(const std::string& what, const std::string& value) {
    (void)what, (void)value;
  }
  // An output ("Serial", "TCP server", "UDP") switched on or off; only changes count.
  virtual void output(const std::string& what, bool on) { (void)what, (void)on; }
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
  ActivityLog* activity = nullptr;

  // The activity log, or one that records nothing.
  ActivityLog& log() const {
    static ActivityLog none;
    return activity ? *activity : none;
  }
};

}  // namespace kestrom
