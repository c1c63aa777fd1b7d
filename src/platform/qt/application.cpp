#include "platform/qt/application.h"

namespace kestrom {

Application::Application()
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_}), hub_(sim_) {}

Application::~Application() = default;

void Application::start() {
  sim_.start();
  hub_.refreshAll();
}

}  // namespace kestrom
