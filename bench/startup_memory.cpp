// Start-up time, resident memory and idle CPU of the simulator against the least
// Qt Widgets program (least_qt_program), measured in one run so that a noisy
// machine cancels out.
//
//   startup_memory [--runs N] [--idle-seconds S] [--trace]
//
// Starts its own Xvfb, then runs the two programs alternately N times (default
// 5). Each run measures the time from exec to the mapping of the window captioned
// "Kestrom Simulation" (seen as a MapNotify on the root window), the resident set
// one second after that, and the CPU the program uses over the next S seconds
// (default 10). Prints each program's medians and the ratios. With --trace the
// simulator also prints its own start-up marks (KESTROM_STARTUP_TRACE).
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

double nowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::string besideMe(const char* argv0, const char* name) {
  std::string self = argv0;
  const std::size_t slash = self.rfind('/');
  return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/" + name;
}

struct Run {
  double startupMs = 0;
  double rssMiB = 0;
  double idleCpuPercent = 0;
};

// The window's WM_NAME, or empty.
std::string windowName(xcb_connection_t* c, xcb_window_t w) {
  xcb_get_property_cookie_t cookie =
      xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
  if (!reply) return {};
  std::string name(static_cast<const char*>(xcb_get_property_value(reply)),
                   static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  std::free(reply);
  return name;
}

// Waits until a window captioned `caption` is mapped; false after 20 s.
bool waitForMap(xcb_connection_t* c, const std::string& caption) {
  const double deadline = nowMs() + 20000;
  while (nowMs() < deadline) {
    xcb_generic_event_t* e = xcb_poll_for_event(c);
    if (!e) {
      usleep(200);
      continue;
    }
    const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
    const xcb_window_t w = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(e)->window : 0;
    std::free(e);
    if (mapped && windowName(c, w) == caption) return true;
  }
  return false;
}

double rssMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

// User and system CPU of the process so far, in milliseconds.
double cpuMs(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(all.substr(all.rfind(')') + 2));
  std::string f;
  unsigned long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> f; ++i) {
    if (i == 14) utime = std::stoull(f);
    if (i == 15) stime = std::stoull(f);
  }
  return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

pid_t launch(const std::string& program, const std::string& display, bool trace) {
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    if (trace) setenv("KESTROM_STARTUP_TRACE", "1", 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

bool measure(xcb_connection_t* c, const std::string& program, const std::string& display,
             int idleSeconds, bool trace, Run& run) {
  const double t0 = nowMs();
  const pid_t pid = launch(program, display, trace);
  const bool mapped = waitForMap(c, "Kestrom Simulation");
  run.startupMs = nowMs() - t0;
  if (mapped) {
    usleep(1000000);
    run.rssMiB = rssMiB(pid);
    const double before = cpuMs(pid);
    sleep(static_cast<unsigned>(idleSeconds));
    run.idleCpuPercent = (cpuMs(pid) - before) / (idleSeconds * 10.0);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return mapped;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  if (v.empty()) return 0;
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Medians {
  double startup, rss, cpu;
};

Medians medians(const std::vector<Run>& runs) {
  std::vector<double> s, r, c;
  for (const Run& run : runs) {
    s.push_back(run.startupMs);
    r.push_back(run.rssMiB);
    c.push_back(run.idleCpuPercent);
  }
  return {median(s), median(r), median(c)};
}

pid_t startXvfb(const std::string& display) {
  const pid_t pid = fork();
  if (pid == 0) {
    execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 5;
  int idleSeconds = 10;
  bool trace = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
      runs = std::max(1, std::atoi(argv[++i]));
    else if (!std::strcmp(argv[i], "--idle-seconds") && i + 1 < argc)
      idleSeconds = std::max(1, std::atoi(argv[++i]));
    else if (!std::strcmp(argv[i], "--trace"))
      trace = true;
    else {
      std::fprintf(stderr, "usage: %s [--runs N] [--idle-seconds S] [--trace]\n", argv[0]);
      return 2;
    }
  }
  const std::string display = ":" + std::to_string(90 + getpid() % 9);
  const pid_t xvfb = startXvfb(display);
  xcb_connection_t* c = nullptr;
  for (int tries = 0; tries < 100; ++tries) {
    usleep(50000);
    c = xcb_connect(display.c_str(), nullptr);
    if (!xcb_connection_has_error(c)) break;
    xcb_disconnect(c);
    c = nullptr;
  }
  if (!c) {
    std::fprintf(stderr, "could not start Xvfb on %s\n", display.c_str());
    kill(xvfb, SIGTERM);
    return 1;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);

  const std::string least = besideMe(argv[0], "least_qt_program");
  const std::string simulator = besideMe(argv[0], "kestrom-simulator");
  std::vector<Run> leastRuns, simRuns;
  bool ok = true;
  for (int i = 0; i < runs && ok; ++i) {
    Run a, b;
    ok = measure(c, least, display, idleSeconds, false, a) &&
         measure(c, simulator, display, idleSeconds, trace, b);
    leastRuns.push_back(a);
    simRuns.push_back(b);
    std::printf("run %d: least %.1f ms %.1f MiB %.2f %%   simulator %.1f ms %.1f MiB %.2f %%\n",
                i + 1, a.startupMs, a.rssMiB, a.idleCpuPercent, b.startupMs, b.rssMiB,
                b.idleCpuPercent);
    std::fflush(stdout);
  }
  xcb_disconnect(c);
  kill(xvfb, SIGTERM);
  waitpid(xvfb, nullptr, 0);
  if (!ok) {
    std::fprintf(stderr, "a program did not map its window within 20 s\n");
    return 1;
  }
  const Medians l = medians(leastRuns);
  const Medians s = medians(simRuns);
  std::printf("\nmedians over %d runs        least     simulator   ratio\n", runs);
  std::printf("start-up to window mapped  %7.1f ms %7.1f ms  %5.2f\n", l.startup, s.startup,
              s.startup / l.startup);
  std::printf("resident memory            %7.1f MiB%7.1f MiB %5.2f\n", l.rss, s.rss, s.rss / l.rss);
  std::printf("idle CPU over %2d s         %7.2f %%  %7.2f %%\n", idleSeconds, l.cpu, s.cpu);
  return 0;
}
