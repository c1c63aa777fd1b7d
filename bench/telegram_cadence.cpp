// Measures how evenly the telegram sender keeps its slots in real time.
//
// A pseudo-terminal stands in for "COM PORT 1". The simulator runs as in the
// program (all window models, the real serial port, the scheduler driven by the
// view hub's precise timer) and sends an ASCII telegram four times a second. A
// reader thread timestamps each telegram's arrival on the far side of the line.
//
//   telegram_cadence [--seconds N] [--load] [--network]     (default 60 s, quiet)
//
// With --load the program is kept busy as a trainee would keep it: the three
// panels, the AID display and the distance adjuster are shown and redrawn, the
// adjuster's slider moves all the time, an alarm sounds through the real tone
// player and a message box stands open.
//
// With --network the TCP server and the UDP output run as well, with a TCP client
// and a UDP listener attached (each reading on a thread of its own and timed the
// same way).
//
// Prints, for the arrivals and for the sender's own writes, the number of
// telegrams, the median, 99th percentile and largest deviation of the interval
// from 250 ms, and the slots missed; then the processor time the host took from
// this machine during the run, which on a virtual machine delays every thread,
// the sender's included, and so must be read with the figures.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <sched.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "qt/aid_display_view.h"
#include "qt/beacon_panel_view.h"
#include "qt/distance_adjust_view.h"
#include "qt/fix_panel_view.h"
#include "qt/mobile_panel_view.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_services.h"
#include "qt/qt_telegram_network.h"
#include "qt/tone_player.h"
#include "qt/view_hub.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "windows/aid_display.h"
#include "windows/distance_adjust.h"

using namespace kestrom;

namespace {

constexpr double kSlotMs = 250.0;

class PrintedDialogs : public MessageBoxes {
 public:
  void information(const std::string& text) override {
    std::fprintf(stderr, "info: %s\n", text.c_str());
  }
  Answer warningOkCancel(const std::string& text) override {
    std::fprintf(stderr, "warning: %s\n", text.c_str());
    return Answer::Ok;
  }
  void error(const std::string& text) override {
    std::fprintf(stderr, "error: %s\n", text.c_str());
  }
};

class SilentTone : public TonePlayer {
 public:
  void play(const std::vector<Beep>&) override {}
};

class NoHelp : public HelpViewer {
 public:
  void openContents(const std::string&) override {}
};

double monotonicMs();
std::atomic<bool> readerRealTime{false};

// The real port, with the instant of every write noted: it tells the sender's own
// timing apart from the delay of the line and the reader.
class TimedPort : public SerialPort {
 public:
  explicit TimedPort(SerialPort& real) : real_(real) {
    real_.onFailure = [this] {
      if (onFailure) onFailure();
    };
  }
  bool open(int n, const SerialSettings& s) override { return real_.open(n, s); }
  void close() override { real_.close(); }
  bool isOpen() const override { return real_.isOpen(); }
  bool apply(const SerialSettings& s) override { return real_.apply(s); }
  bool write(const std::string& bytes) override {
    writes.push_back(monotonicMs());
    return real_.write(bytes);
  }
  std::vector<double> writes;

 private:
  SerialPort& real_;
};

double monotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Reads the master side and timestamps every line end, until told to stop.
//
// The reader stands for the device at the far end. A device's receiver never
// sleeps, but a thread does: woken after a long sleep on an idle processor, it
// can start a millisecond or more after the bytes came in, which would be charged
// to the sender. So from a few milliseconds before each telegram is due the reader
// looks every 50 microseconds, sleeping in between so that the processor stays
// free for the sender and the kernel's own work; between telegrams it sleeps
// long. Where the system allows it, it runs at real-time priority.
void readArrivals(int master, const std::atomic<bool>& stop, std::vector<double>& arrivals) {
  constexpr double kWatchBeforeMs = 3.0;
  constexpr double kWatchAfterMs = 6.0;
  constexpr timespec kLook{0, 50'000};
  sched_param param{};
  param.sched_priority = 10;
  readerRealTime = pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
  char buf[1024];
  double due = -1;  // when the next telegram should arrive; unknown at first
  while (!stop.load()) {
    const double now = monotonicMs();
    const bool watching = due > 0 && now >= due - kWatchBeforeMs && now < due + kWatchAfterMs;
    int timeoutMs = 100;
    if (watching)
      timeoutMs = 0;
    else if (due > 0 && now < due - kWatchBeforeMs)
      timeoutMs = std::clamp(static_cast<int>(due - kWatchBeforeMs - now), 0, 100);
    else if (due > 0)
      due += kSlotMs;  // the telegram did not come: watch for the next slot's
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) {
      if (watching) clock_nanosleep(CLOCK_MONOTONIC, 0, &kLook, nullptr);
      continue;
    }
    const double at = monotonicMs();
    const ssize_t n = read(master, buf, sizeof buf);
    if (n <= 0) continue;
    for (ssize_t i = 0; i < n; ++i) {
      if (buf[i] != '\n') continue;
      arrivals.push_back(at);
      due = at + kSlotMs;
    }
  }
}

// A TCP client of the simulator's server, or a UDP socket bound where the
// simulator sends, on 127.0.0.1.
int loopbackSocket(bool tcp, int port) {
  const int fd = socket(AF_INET, tcp ? SOCK_STREAM : SOCK_DGRAM, 0);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_port = htons(static_cast<std::uint16_t>(port));
  at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const auto* addr = reinterpret_cast<const sockaddr*>(&at);
  if ((tcp ? connect(fd, addr, sizeof at) : bind(fd, addr, sizeof at)) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// Processor time the host took from this machine, summed over its processors, in
// milliseconds ("steal" in /proc/stat); negative where the system does not say.
// On a virtual machine a stall of the host delays every thread alike, the
// sender's included, so the figures are read against it.
double hostStealMs() {
  FILE* f = std::fopen("/proc/stat", "r");
  if (!f) return -1;
  unsigned long long v[8] = {};
  const int n = std::fscanf(f, "cpu %llu %llu %llu %llu %llu %llu %llu %llu", &v[0], &v[1], &v[2],
                            &v[3], &v[4], &v[5], &v[6], &v[7]);
  std::fclose(f);
  if (n < 8) return -1;
  return static_cast<double>(v[7]) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double percentile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const auto rank = static_cast<std::size_t>(std::ceil(p * sorted.size()));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

struct Cadence {
  std::vector<double> deviations;  // sorted
  long missed = 0;
};

Cadence cadence(const std::vector<double>& times) {
  Cadence c;
  for (std::size_t i = 1; i < times.size(); ++i) {
    const double interval = times[i] - times[i - 1];
    c.deviations.push_back(std::fabs(interval - kSlotMs));
    c.missed += std::max(0L, std::lround(interval / kSlotMs) - 1);
  }
  std::sort(c.deviations.begin(), c.deviations.end());
  return c;
}

void print(const char* what, std::size_t count, const Cadence& c) {
  std::printf("%s\n", what);
  std::printf("  telegrams:                 %zu\n", count);
  std::printf("  median deviation:          %.3f ms\n", percentile(c.deviations, 0.5));
  std::printf("  99th percentile deviation: %.3f ms\n", percentile(c.deviations, 0.99));
  std::printf("  maximum deviation:         %.3f ms\n",
              c.deviations.empty() ? 0.0 : c.deviations.back());
  std::printf("  missed slots:              %ld\n", c.missed);
}

}  // namespace

// The busy program of --load: its views, and the timers that keep them busy.
struct Load {
  std::vector<std::unique_ptr<QWidget>> views;
  QTimer slider;
  QTimer alarm;
  QTimer redraw;
  std::unique_ptr<QMessageBox> box;
};

void startLoad(Load& load, Simulator& sim, ViewHub& hub, QtTonePlayer& tone) {
  load.views.push_back(std::make_unique<MobilePanelView>(sim.mobilePanel(), hub));
  load.views.push_back(std::make_unique<FixPanelView>(sim.fixPanel(), hub));
  load.views.push_back(std::make_unique<BeaconPanelView>(sim.beaconPanel(), hub));
  load.views.push_back(std::make_unique<AidDisplayView>(sim.aidDisplay(), hub));
  load.views.push_back(std::make_unique<DistanceAdjustView>(sim.distanceAdjust(), hub));
  for (WindowModel* w :
       std::initializer_list<WindowModel*>{&sim.mobilePanel(), &sim.fixPanel(), &sim.beaconPanel(),
                                           &sim.aidDisplay(), &sim.distanceAdjust()})
    w->Show();
  hub.refreshAll();

  // The slider swept up and down, as a trainee drags it.
  QObject::connect(&load.slider, &QTimer::timeout, [&sim, &hub] {
    Tafstmenu& adjust = sim.distanceAdjust();
    static int step = 7;
    if (adjust.TrackBar1.Position + step < 0 || adjust.TrackBar1.Position + step > 3000)
      step = -step;
    adjust.TrackBar1Change(adjust.TrackBar1.Position + step);
    hub.refreshAll();
  });
  load.slider.start(20);
  // The alarm tone, again and again.
  QObject::connect(&load.alarm, &QTimer::timeout, [&tone] {
    tone.play({{1000, 300}, {0, 100}, {1000, 300}});
  });
  load.alarm.start(1000);
  // Every window redrawn whole, as often as a display refreshes.
  QObject::connect(&load.redraw, &QTimer::timeout, [&load] {
    for (auto& v : load.views) v->repaint();
  });
  load.redraw.start(16);
  load.box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Kestrom"),
                                           QStringLiteral("If you enter this you will lose lock"),
                                           QMessageBox::Ok | QMessageBox::Cancel);
  load.box->open();
}

int main(int argc, char* argv[]) {
  int seconds = 60;
  bool loaded = false;
  bool network = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      seconds = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--load") == 0) {
      loaded = true;
    } else if (std::strcmp(argv[i], "--network") == 0) {
      network = true;
    } else {
      std::fprintf(stderr, "usage: %s [--seconds N] [--load] [--network]\n", argv[0]);
      return 2;
    }
  }
  if (seconds <= 0) {
    std::fprintf(stderr, "--seconds needs a positive whole number\n");
    return 2;
  }

  int master = -1;
  int slave = -1;
  char slaveName[256] = {};
  if (openpty(&master, &slave, slaveName, nullptr, nullptr) != 0) {
    std::perror("openpty");
    return 1;
  }
  setenv("KESTROM_COM1", slaveName, 1);

  // Widgets need a display; without one they draw offscreen.
  if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  StdRandom random;
  SystemClock clock;
  PrintedDialogs dialogs;
  SilentTone tone;
  NoHelp help;
  QtSerialPort serial;
  TimedPort timed(serial);
  QtTelegramNetwork net;
  Simulator sim(Services{random, clock, dialogs, tone, help, timed, &net});
  ViewHub hub(sim);
  serial.setSlotClock([&hub] { return hub.telegramInstantNs(); });
  std::vector<double> lineWrites;  // on the line's thread
  lineWrites.reserve(static_cast<std::size_t>(seconds) * 8 + 16);
  serial.setWriteObserver([&lineWrites] { lineWrites.push_back(monotonicMs()); });
  net.setSlotClock([&hub] { return hub.telegramInstantNs(); });
  sim.start();
  QtTonePlayer realTone;
  Load load;
  if (loaded) startLoad(load, sim, hub, realTone);

  SerialOutput& out = sim.setupWindow().Serial;
  sim.setupWindow().MaskEdit1.Text = "00126";
  out.updaterateChange(2);  // 4 telegrams per second
  out.telegramsChange(0);   // ASCII 16: sent in every slot, in lock or not
  out.comportClick(true);
  if (!out.Sending()) {
    std::fprintf(stderr, "could not open %s\n", slaveName);
    return 1;
  }
  close(slave);

  std::atomic<bool> stop{false};
  std::vector<double> arrivals;
  arrivals.reserve(static_cast<std::size_t>(seconds) * 8 + 16);
  std::thread reader(readArrivals, master, std::cref(stop), std::ref(arrivals));

  // The network listeners: the UDP socket bound first, then both boxes ticked.
  constexpr int kTcpPort = 47301;
  constexpr int kUdpPort = 47302;
  int udpListener = -1;
  int tcpClient = -1;
  std::vector<double> tcpArrivals;
  std::vector<double> udpArrivals;
  std::thread tcpReader;
  std::thread udpReader;
  if (network) {
    NetworkOutput& n = out.Network;
    n.tcpPortChange(std::to_string(kTcpPort));
    n.udpPortChange(std::to_string(kUdpPort));
    udpListener = loopbackSocket(false, kUdpPort);
    n.tcpServerClick(true);
    n.udpClick(true);
    tcpClient = loopbackSocket(true, kTcpPort);
    if (udpListener < 0 || tcpClient < 0 || !n.tcpServer.Checked || !n.udp.Checked) {
      std::fprintf(stderr, "could not start the network output on ports %d and %d\n", kTcpPort,
                   kUdpPort);
      return 1;
    }
    tcpReader = std::thread(readArrivals, tcpClient, std::cref(stop), std::ref(tcpArrivals));
    udpReader = std::thread(readArrivals, udpListener, std::cref(stop), std::ref(udpArrivals));
  }

  std::printf("sending on %s for %d s%s ...\n", slaveName, seconds,
              loaded ? " under load (panels, AID display, slider, alarm, message box)" : "");
  std::fflush(stdout);
  QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
  const double stealBefore = hostStealMs();
  QCoreApplication::exec();
  const double stealAfter = hostStealMs();
  out.comportClick(false);
  stop = true;
  reader.join();
  close(master);
  if (network) {
    tcpReader.join();
    udpReader.join();
    close(tcpClient);
    close(udpListener);
  }

  std::printf("expected about %d telegrams, one every %.0f ms (reader at %s priority)\n",
              seconds * 4, kSlotMs, readerRealTime ? "real-time" : "normal");
  print("arrival at the far end of the line:", arrivals.size(), cadence(arrivals));
  if (network) {
    print("arrival at a TCP client:", tcpArrivals.size(), cadence(tcpArrivals));
    print("arrival at a UDP listener:", udpArrivals.size(), cadence(udpArrivals));
  }
  print("write by the serial line's thread:", lineWrites.size(), cadence(lineWrites));
  print("hand-over by the user-interface tick:", timed.writes.size(), cadence(timed.writes));
  if (timed.writes.size() == arrivals.size()) {
    std::vector<double> delays;
    for (std::size_t i = 0; i < arrivals.size(); ++i)
      delays.push_back(arrivals[i] - timed.writes[i]);
    std::sort(delays.begin(), delays.end());
    std::printf(
        "delay from hand-over to arrival: median %.3f ms, 99th percentile %.3f ms, maximum %.3f "
        "ms\n",
        percentile(delays, 0.5), percentile(delays, 0.99), delays.back());
  }
  if (stealBefore >= 0 && stealAfter >= 0) {
    const double stolen = stealAfter - stealBefore;
    const double share = 100.0 * stolen / (seconds * 1000.0 * std::thread::hardware_concurrency());
    std::printf("processor time taken by the host (steal): %.0f ms, %.1f %% of the run\n", stolen,
                share);
  }
  return 0;
}
