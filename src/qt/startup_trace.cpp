#include "qt/startup_trace.h"

#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

namespace kestrom::startup {

void mark(const char* what) {
  static const bool enabled = std::getenv("KESTROM_STARTUP_TRACE") != nullptr;
  if (!enabled) return;
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  std::fprintf(stderr, "startup %8.2f ms  %s\n", static_cast<double>(clock.nsecsElapsed()) / 1e6,
               what);
}

}  // namespace kestrom::startup
