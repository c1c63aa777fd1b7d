#include "qt/qt_serial_port.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

#include "core/precise_clock.h"
#include "qt/paced_thread.h"

namespace kestrom {

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort() {
  onFailure = nullptr;
  if (!line_) return;
  line_->drop(this);
  line_->runNow([this] {
    delete port_;
    port_ = nullptr;
  });
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

PacedThread& QtSerialPort::line() {
  if (line_) return *line_;
  line_ = PacedThread::shared();
  line_->runNow([this] {
    port_ = new QSerialPort;
    QObject::connect(port_, &QSerialPort::errorOccurred, port_,
                     [this](QSerialPort::SerialPortError error) {
                       // An open() announces NoError first. Errors of a closed port (a
                       // failed open) and a refused setting are answered by the return
                       // value of the call that caused them.
                       switch (error) {
                         case QSerialPort::NoError:
                         case QSerialPort::UnsupportedOperationError:
                         case QSerialPort::NotOpenError:
                         case QSerialPort::TimeoutError:
                           return;
                         default:
                           break;
                       }
                       if (port_->isOpen()) failOnLine(session_);
                     });
    // Nothing is read from the line; drop what a connected device sends so that it
    // does not pile up.
    QObject::connect(port_, &QSerialPort::readyRead, port_, [this] { port_->readAll(); });
  });
  return *line_;
}

bool QtSerialPort::open(int portNumber, const SerialSettings& settings) {
  close();
  if (portNumber < 1) return false;
  const QString device = deviceName(portNumber);
  bool opened = false;
  line().runNow([&] { opened = openOnLine(device, settings); });
  if (opened) {
    ++session_;
    open_ = true;
  }
  return opened;
}

bool QtSerialPort::openOnLine(const QString& device, const SerialSettings& settings) {
  device_ = device;
  port_->setPortName(device_);
  if (!applyOnLine(settings)) return false;
  if (!port_->open(QIODevice::ReadWrite)) return false;
  // Some drivers accept the settings only once the device is open.
  if (!applyOnLine(settings)) {
    port_->close();
    return false;
  }
  return true;
}

void QtSerialPort::close() {
  open_ = false;
  if (!line_) return;
  // Telegrams handed over but not yet due are not sent.
  line_->drop(this);
  line_->runNow([this] {
    if (port_->isOpen()) port_->close();
  });
}

bool QtSerialPort::isOpen() const {
  return open_;
}

bool QtSerialPort::apply(const SerialSettings& settings) {
  bool ok = false;
  line().runNow([&] { ok = applyOnLine(settings); });
  return ok;
}

namespace {
// A pseudo-terminal has no line: it carries every byte whatever the settings, but
// keeps reporting 8 data bits without parity, so Qt calls other settings refused.
bool isPseudoTerminal(const QString& device) {
  return QFileInfo(device).canonicalFilePath().startsWith(QStringLiteral("/dev/pts/"));
}
}  // namespace

bool QtSerialPort::applyOnLine(const SerialSettings& settings) {
  const auto parity = settings.parity == Parity::Even  ? QSerialPort::EvenParity
                      : settings.parity == Parity::Odd ? QSerialPort::OddParity
                                                       : QSerialPort::NoParity;
  bool ok = port_->setBaudRate(settings.baudRate);
  ok = port_->setDataBits(settings.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8) && ok;
  ok = port_->setParity(parity) && ok;
  ok = port_->setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
       ok;
  ok = port_->setFlowControl(QSerialPort::NoFlowControl) && ok;
  return ok || isPseudoTerminal(device_);
}

bool QtSerialPort::write(const std::string& bytes) {
  if (!open_) return false;
  const std::int64_t due = slotInstantNs_ ? slotInstantNs_() : precise::nowNs();
  const unsigned session = session_;
  line().runAt(due, this, [this, bytes, session] { writeOnLine(bytes, session); });
  return true;
}

void QtSerialPort::writeOnLine(const std::string& bytes, unsigned session) {
  if (session != session_ || !port_->isOpen()) return;  // closed since: not sent
  const qint64 n = port_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  // Hand the bytes to the device now rather than on the next pass of the event
  // loop; flush() takes what the device accepts and never waits.
  port_->flush();
  if (written_) written_();
  if (n != static_cast<qint64>(bytes.size())) failOnLine(session);
}

void QtSerialPort::failOnLine(unsigned session) {
  // Left open, a port whose device went away repeats its error endlessly.
  if (port_->isOpen()) port_->close();
  home_.post([this, session] { reportFailure(session); });
}

void QtSerialPort::reportFailure(unsigned session) {
  if (session != session_ || !open_) return;  // closed or opened anew since
  open_ = false;
  if (onFailure) onFailure();
}

}  // namespace kestrom
