#pragma once

#include <string>

#include "core/seams.h"

namespace kestrom {

// The message boxes as the windows use them: each box is shown by `shown` and
// also reported to the activity log, so that the log knows what the trainee was
// told and which ENTER a message refused.
class LoggedDialogs : public MessageBoxes {
 public:
  LoggedDialogs(MessageBoxes& shown, ActivityLog& log) : shown_(shown), log_(log) {}

  void information(const std::string& text) override {
    log_.message("information", text);
    shown_.information(text);
  }
  Answer warningOkCancel(const std::string& text) override {
    log_.message("warning", text);
    return shown_.warningOkCancel(text);
  }
  void error(const std::string& text) override {
    log_.message("error", text);
    shown_.error(text);
  }
  std::string saveFileName(const std::string& caption, const std::string& filter) override {
    return shown_.saveFileName(caption, filter);
  }

 private:
  MessageBoxes& shown_;
  ActivityLog& log_;
};

}  // namespace kestrom
