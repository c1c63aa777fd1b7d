#pragma once

#include "platform/seams.h"

namespace kestrom {

// The simulator's manual in a help window of the program.
class QtHelpViewer : public HelpViewer {
 public:
  void openContents(const std::string& helpFile) override;
};

}  // namespace kestrom
