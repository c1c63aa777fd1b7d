#pragma once

#include "platform/seams.h"

namespace kestrom {

// "COM PORT n" on a real serial device.
class QtSerialPort : public SerialPort {
 public:
  bool open(int portNumber, const SerialSettings& settings) override;
  void close() override;
  bool isOpen() const override;
  bool apply(const SerialSettings& settings) override;
  bool write(const std::string& bytes) override;
};

}  // namespace kestrom
