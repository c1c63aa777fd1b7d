#pragma once

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>

namespace kestrom::testing {

// A pseudo-terminal pair: its slave side stands in for a serial device that the
// code under test opens by name; the test is the device at the far end and reads
// (or closes) the master side.
class PseudoTerminal {
 public:
  // Held, the test keeps the slave side open too, so that the line stays up when
  // the code under test closes it; released, the code under test holds it alone.
  enum class Slave { Held, Released };

  explicit PseudoTerminal(Slave slave = Slave::Held) {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    path_ = name;
    if (slave == Slave::Released) closeSlave();
  }
  ~PseudoTerminal() {
    closeMaster();
    closeSlave();
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool ok() const { return master_ >= 0 && !path_.isEmpty(); }
  // The far end, for a reader of its own (non-blocking).
  int masterFd() const { return master_; }
  const QByteArray& path() const { return path_; }

  // Everything that has arrived on the master side so far.
  QByteArray read() {
    char buf[4096];
    ssize_t n;
    while (master_ >= 0 && (n = ::read(master_, buf, sizeof buf)) > 0) {
      received_.append(buf, static_cast<int>(n));
    }
    return received_;
  }
  // What has arrived since the last call.
  QByteArray readNew() {
    const QByteArray all = read();
    const QByteArray fresh = all.mid(taken_);
    taken_ = all.size();
    return fresh;
  }

  // The far end goes away, as a pulled adapter does.
  void closeMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  void closeSlave() {
    if (slave_ >= 0) ::close(slave_);
    slave_ = -1;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  QByteArray path_;
  QByteArray received_;
  qsizetype taken_ = 0;
};

}  // namespace kestrom::testing
