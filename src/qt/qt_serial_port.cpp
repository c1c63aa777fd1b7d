#include "qt/qt_serial_port.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

namespace kestrom {

QtSerialPort::QtSerialPort() {
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError e) { onError(e); });
  // Nothing is read from the line; drop what a connected device sends so that it
  // does not pile up.
  QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { port_.readAll(); });
}

QtSerialPort::~QtSerialPort() {
  onFailure = nullptr;
  port_.close();
}

QString QtSerialPort::deviceName(int portNumber) {
  const QByteArray variable = "KESTROM_COM" + QByteArray::number(portNumber);
  QString named = qEnvironmentVariable(variable.constData());
  if (!named.isEmpty()) return named;
#ifdef Q_OS_WIN
  return QStringLiteral("COM%1").arg(portNumber);
#else
  return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

bool QtSerialPort::open(int portNumber, const SerialSettings& settings) {
  close();
  if (portNumber < 1) return false;
  device_ = deviceName(portNumber);
  port_.setPortName(device_);
  if (!applyTo(settings)) return false;
  if (!port_.open(QIODevice::ReadWrite)) return false;
  // Some drivers accept the settings only once the device is open.
  if (!applyTo(settings)) {
    port_.close();
    return false;
  }
  return true;
}

void QtSerialPort::close() {
  if (port_.isOpen()) port_.close();
}

bool QtSerialPort::isOpen() const {
  return port_.isOpen();
}

bool QtSerialPort::apply(const SerialSettings& settings) {
  return applyTo(settings);
}

namespace {
// A pseudo-terminal has no line: it carries every byte whatever the settings, but
// keeps reporting 8 data bits without parity, so Qt calls other settings refused.
bool isPseudoTerminal(const QString& device) {
  return QFileInfo(device).canonicalFilePath().startsWith(QStringLiteral("/dev/pts/"));
}
}  // namespace

bool QtSerialPort::applyTo(const SerialSettings& settings) {
  const auto parity = settings.parity == Parity::Even  ? QSerialPort::EvenParity
                      : settings.parity == Parity::Odd ? QSerialPort::OddParity
                                                       : QSerialPort::NoParity;
  bool ok = port_.setBaudRate(settings.baudRate);
  ok = port_.setDataBits(settings.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8) && ok;
  ok = port_.setParity(parity) && ok;
  ok =
      port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) && ok;
  ok = port_.setFlowControl(QSerialPort::NoFlowControl) && ok;
  return ok || isPseudoTerminal(device_);
}

bool QtSerialPort::write(const std::string& bytes) {
  if (!port_.isOpen()) return false;
  const qint64 n = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  // Hand the bytes to the device now rather than on the next pass of the event
  // loop; flush() takes what the device accepts and never waits.
  port_.flush();
  return n == static_cast<qint64>(bytes.size());
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
  // An open() announces NoError first. Errors of a closed port (a failed open) and
  // a refused setting are answered by the return value of the call that caused them.
  switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::UnsupportedOperationError:
    case QSerialPort::NotOpenError:
    case QSerialPort::TimeoutError:
      return;
    default:
      break;
  }
  if (!port_.isOpen()) return;
  // Left open, a port whose device went away repeats its error endlessly.
  port_.close();
  if (onFailure) onFailure();
}

}  // namespace kestrom
