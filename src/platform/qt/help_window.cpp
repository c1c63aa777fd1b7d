#include "platform/qt/help_window.h"

namespace kestrom {

void QtHelpViewer::openContents(const std::string& helpFile) { (void)helpFile; }

}  // namespace kestrom
