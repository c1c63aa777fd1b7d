#include "platform/qt/qt_serial_port.h"

namespace kestrom {

bool QtSerialPort::open(int, const SerialSettings&) { return false; }
void QtSerialPort::close() {}
bool QtSerialPort::isOpen() const { return false; }
bool QtSerialPort::apply(const SerialSettings&) { return true; }
bool QtSerialPort::write(const std::string&) { return false; }

}  // namespace kestrom
