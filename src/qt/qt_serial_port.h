#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/seams.h"
#include "qt/thread_mailbox.h"

namespace kestrom {

class PacedThread;

// "COM PORT n" on a real serial device. The device is the one named by the
// environment variable KESTROM_COM<n> when it is set (a pseudo-terminal, an
// adapter under another name), otherwise /dev/ttyS<n-1> (COM<n> on Windows).
//
// The device is driven from a thread of its own (paced_thread.h), which writes each
// telegram at the instant of its slot however busy the user-interface thread is.
// Writes are buffered and never wait for the line. A port that fails while open
// (device gone, read or write error) is closed at once and reported once through
// onFailure, on the thread the port was made on; the closed port stays silent
// afterwards.
class QtSerialPort : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  bool open(int portNumber, const SerialSettings& settings) override;
  void close() override;
  bool isOpen() const override;
  bool apply(const SerialSettings& settings) override;
  bool write(const std::string& bytes) override;

  // The monotonic instant (precise::nowNs()) at which a write made now is to reach
  // the line; without it, a write goes out at once.
  void setSlotClock(std::function<std::int64_t()> slotInstantNs) {
    slotInstantNs_ = std::move(slotInstantNs);
  }

  // Called on the line's thread right after each telegram is handed to the device
  // (for measuring the line's own timing apart from the device's).
  void setWriteObserver(std::function<void()> observer) { written_ = std::move(observer); }

  // The device "COM PORT n" stands for.
  static QString deviceName(int portNumber);

 private:
  // On the line's thread.
  bool openOnLine(const QString& device, const SerialSettings& settings);
  bool applyOnLine(const SerialSettings& settings);
  void writeOnLine(const std::string& bytes, unsigned session);
  void failOnLine(unsigned session);

  PacedThread& line();
  void reportFailure(unsigned session);

  std::shared_ptr<PacedThread> line_;  // made at the first open
  QSerialPort* port_ = nullptr;        // lives on the line's thread
  QString device_;
  std::atomic<bool> open_{false};
  // Each open starts a session; a failure reported late for an earlier session is
  // not the present one's.
  std::atomic<unsigned> session_{0};
  ThreadMailbox home_;  // receives failure reports on this object's thread
  std::function<std::int64_t()> slotInstantNs_;
  std::function<void()> written_;
};

}  // namespace kestrom
