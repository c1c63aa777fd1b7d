#pragma once

#include <string>

#include "qt/qt_services.h"

namespace kestrom {

// The program's message boxes and its file dialog for saving.
class QtDialogs : public QtMessageBoxes {
 public:
  std::string saveFileName(const std::string& caption, const std::string& filter) override;
};

}  // namespace kestrom
