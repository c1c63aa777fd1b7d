#include <csignal>

#include "telegrams/commands.h"

namespace kestrom::tool {

namespace {
volatile std::sig_atomic_t stop = 0;
extern "C" void onStopSignal(int /*signal*/) {
  stop = 1;
}
}  // namespace

void catchStopSignals() {
  struct sigaction a {};
  a.sa_handler = onStopSignal;
  sigemptyset(&a.sa_mask);
  a.sa_flags = 0;  // no SA_RESTART: a blocked poll or write returns to look at the flag
  sigaction(SIGINT, &a, nullptr);
  sigaction(SIGTERM, &a, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

bool stopAsked() {
  return stop != 0;
}

}  // namespace kestrom::tool
