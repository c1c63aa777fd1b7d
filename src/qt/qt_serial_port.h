#pragma once

#include <QSerialPort>
#include <QString>

#include "core/seams.h"

namespace kestrom {

// "COM PORT n" on a real serial device. The device is the one named by the
// environment variable KESTROM_COM<n> when it is set (a pseudo-terminal, an
// adapter under another name), otherwise /dev/ttyS<n-1> (COM<n> on Windows).
//
// Writes are buffered and never wait for the line. A port that fails while open
// (device gone, read or write error) is closed at once and reported once through
// onFailure; the closed port stays silent afterwards.
class QtSerialPort : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  bool open(int portNumber, const SerialSettings& settings) override;
  void close() override;
  bool isOpen() const override;
  bool apply(const SerialSettings& settings) override;
  bool write(const std::string& bytes) override;

  // The device "COM PORT n" stands for.
  static QString deviceName(int portNumber);

 private:
  bool applyTo(const SerialSettings& settings);
  void onError(QSerialPort::SerialPortError error);

  QSerialPort port_;
  QString device_;
};

}  // namespace kestrom
