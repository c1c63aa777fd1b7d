#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "qt/application.h"
#include "qt/startup_trace.h"

namespace {

// Without a display Qt would abort with a plugin error; say what to do instead.
bool hasDisplay() {
  return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// The FILE of "--log FILE" or "--log=FILE", or an empty text.
std::string logPathArgument(const QStringList& args) {
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--log")) {
      if (i + 1 < args.size()) return args[i + 1].toStdString();
      std::fprintf(stderr, "--log needs the name of a file: --log FILE\n");
    }
    if (args[i].startsWith(QLatin1String("--log="))) return args[i].mid(6).toStdString();
  }
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!hasDisplay()) {
    std::fprintf(stderr,
                 "No display found: run the simulator under a virtual display with "
                 "'xvfb-run -a %s'.\n",
                 argv[0]);
    return 1;
  }
  kestrom::startup::mark("main");
  QApplication app(argc, argv);
  kestrom::startup::mark("QApplication");
  // The application's title (message boxes use it); window captions stay as they are.
  QApplication::setApplicationName(QStringLiteral("Kestrm mk 4 Simulator"));
  kestrom::Application simulator(logPathArgument(QApplication::arguments()));
  simulator.start();
  return QApplication::exec();
}
