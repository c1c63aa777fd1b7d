#include "telegrams/command_line.h"

#include <charconv>

#ifndef KESTROM_VERSION
#define KESTROM_VERSION "?"
#endif

namespace kestrom::tool {

namespace {

constexpr std::string_view kMainHelp = R"(Usage: kestrom-telegrams COMMAND [OPTION]... [WHERE]
Decodes and sends the position telegrams of the Kestrom simulator.

Commands:
  decode [SOURCE]   print every telegram that arrives, one a line
  send TARGET       send telegrams at 1, 2 or 4 a second

'kestrom-telegrams COMMAND --help' tells more about each.
  -h, --help        show this help and exit
  -V, --version     show the version and exit
)";

constexpr std::string_view kDecodeHelp = R"(Usage: kestrom-telegrams decode [OPTION]... [SOURCE]
Finds the telegrams in the bytes from SOURCE and prints one line for each: the
time it arrived, its format, the lock status, the distance in metres, the azimuth
and (ascii22, bcdadb) the bearing in degrees, and the interval since the one
before. Bytes that belong to no telegram are printed as 'unplaced'.

SOURCE:
  -                   standard input (the default)
  tcp:HOST:PORT       connect to a TCP server and read what it sends
  udp:PORT            receive UDP datagrams on PORT (udp:ADDRESS:PORT to bind one address)
  PATH                a serial device or pseudo-terminal (line settings below apply),
                      or a file

Options:
  -f, --format NAME   look for this format only: ascii16, ascii17, ascii22, bcd0.01,
                      bcd0.001, bcdadb (default: every format)
      --json          one JSON object a line
      --baud N        1200, 2400, 4800, 9600 (default), 19200, 38400, 57600, 115200
      --data-bits N   5, 6, 7 or 8 (default)
      --parity P      none (default), even or odd
      --stop-bits N   1 (default) or 2
  -h, --help          show this help and exit

Without --format, BCD(0.01) and BCD(0.001) telegrams can only be told apart by a
digit of the azimuth; the 7-byte BCD telegrams are read as bcd0.01 until one
shows that it is bcd0.001. Give --format when you know which.

Exit status: 0 at the end of the input or on Ctrl-C, 1 when SOURCE cannot be
opened or read, 2 on a usage error.
)";

constexpr std::string_view kSendHelp = R"(Usage: kestrom-telegrams send [OPTION]... TARGET
Sends telegrams built by the simulator's own formatter, at exact multiples of the
period from the start; a late telegram goes at once and is not made up for.

TARGET:
  -                   standard output
  tcp:PORT            listen on PORT; every connected client gets every telegram
                      (tcp:ADDRESS:PORT to listen on one address)
  udp:HOST:PORT       send a datagram to HOST (a unicast or broadcast address)
  PATH                a serial device or pseudo-terminal (line settings below apply)

Options:
  -f, --format NAME   ascii16 (default), ascii17, ascii22, bcd0.01, bcd0.001, bcdadb
  -r, --rate N        telegrams a second: 1, 2 or 4 (default)
  -n, --count N       stop after N telegrams (default: until Ctrl-C or SIGTERM)
  -d, --distance M    distance in metres, 0 to 99999.9 (default 0)
  -a, --azimuth DEG   azimuth in degrees as the telegram reports it, 0 to 360
                      (default 0); the simulator's fix azimuth is its reciprocal
  -b, --bearing DEG   antenna bearing in degrees, 0 to 360 (default 0)
  -t, --track TRACK   step the values along a track instead of --distance and
                      --azimuth (and --bearing when TRACK has one), see below
      --lock          in lock (the default)
      --no-lock       out of lock: the ASCII formats send zeros, BCD sends nothing
      --mk3           bcdadb as a Mk 3 mobile sends it (azimuth byte repeated)
      --baud N, --data-bits N, --parity P, --stop-bits N
                      serial line settings, as for decode (default 9600 8N1)
  -h, --help          show this help and exit

TRACK is DISTANCE:AZIMUTH[:BEARING], each either a value or FROM..TO@STEP: the
value goes from FROM to TO by STEP a telegram (the last step may be shorter),
then back to FROM, and so on. Values, here and in --distance, --azimuth and
--bearing, take up to three decimals, with a point; more are refused, not cut.
  126:40..80@0.5          126 m, azimuth 40, 40.5, ... 80, 79.5, ... 40, ...
  100..200@2.5:270:10     distance stepping, azimuth 270, bearing 10

Exit status: 0 after --count telegrams or on Ctrl-C/SIGTERM, 1 when TARGET
cannot be opened or written, 2 on a usage error.
)";

std::string versionText() {
  return "kestrom-telegrams " KESTROM_VERSION "\n";
}

std::optional<long long> wholeNumber(std::string_view text) {
  long long n = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, n);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return n;
}

// "HOST:PORT" (HOST may be [v6]) or, when hostOptional, "PORT".
std::optional<std::string> endpointAddress(std::string_view rest, bool hostOptional, Endpoint& e) {
  const std::size_t colon = rest.rfind(':');
  const std::string_view portText = colon == std::string_view::npos ? rest : rest.substr(colon + 1);
  std::string_view host =
      colon == std::string_view::npos ? std::string_view() : rest.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  const std::optional<long long> port = wholeNumber(portText);
  if (!port || *port < 1 || *port > 65535) {
    return "\"" + std::string(portText) + "\" is not a port number (1 to 65535)";
  }
  if (host.empty() && (!hostOptional || colon != std::string_view::npos)) {
    return "a host is needed before the port";
  }
  e.host = host;
  e.port = static_cast<int>(*port);
  return std::nullopt;
}

std::variant<Endpoint, std::string> parseEndpoint(std::string_view text, bool sending) {
  Endpoint e;
  if (text == "-") return e;
  const auto prefixed = [&](std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
  };
  std::optional<std::string> error;
  if (prefixed("tcp:")) {
    e.kind = Endpoint::Tcp;
    error = endpointAddress(text.substr(4), sending, e);  // send listens; decode connects
  } else if (prefixed("udp:")) {
    e.kind = Endpoint::Udp;
    error = endpointAddress(text.substr(4), !sending, e);  // decode listens; send sends
  } else {
    e.kind = Endpoint::Path;
    e.path = text;
    if (text.empty()) error = "an empty path";
  }
  if (error) return "\"" + std::string(text) + "\": " + *error;
  return e;
}

// Walks the options: "--name value", "--name=value", "-x value".
class Options {
 public:
  explicit Options(const std::vector<std::string_view>& args) : args_(args) {}

  bool done() const { return i_ >= args_.size(); }
  std::string_view current() const { return args_[i_]; }
  bool isOption() const { return current().size() > 1 && current()[0] == '-'; }

  // The current argument is the flag `name` (or `brief`); steps past it.
  bool flag(std::string_view name, std::string_view brief = {}) {
    if (current() != name && (brief.empty() || current() != brief)) return false;
    ++i_;
    return true;
  }

  // The current argument is the option `name` (or `brief`) with its value.
  bool valued(std::string_view name, std::string_view brief, std::string_view& value) {
    const std::string_view a = current();
    if (a.size() > name.size() && a.substr(0, name.size()) == name && a[name.size()] == '=') {
      value = a.substr(name.size() + 1);
      ++i_;
      return true;
    }
    if (a != name && (brief.empty() || a != brief)) return false;
    if (i_ + 1 >= args_.size()) {
      missing_ = std::string(a);
      ++i_;
      return true;
    }
    value = args_[i_ + 1];
    i_ += 2;
    return true;
  }

  void skip() { ++i_; }
  // An option given without its value, if one was.
  const std::string& missing() const { return missing_; }

 private:
  const std::vector<std::string_view>& args_;
  std::size_t i_ = 0;
  std::string missing_;
};

std::optional<std::string> lineOption(Options& o, LineSettings& line, bool& matched) {
  std::string_view v;
  matched = true;
  if (o.valued("--baud", {}, v)) {
    const auto n = wholeNumber(v);
    for (int b : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}) {
      if (n && *n == b) line.baud = b;
    }
    if (!n || line.baud != *n) return "--baud: \"" + std::string(v) + "\" is not a baud rate";
  } else if (o.valued("--data-bits", {}, v)) {
    const auto n = wholeNumber(v);
    if (!n || *n < 5 || *n > 8) return "--data-bits: \"" + std::string(v) + "\" is not 5 to 8";
    line.dataBits = static_cast<int>(*n);
  } else if (o.valued("--parity", {}, v)) {
    if (v == "none" || v == "n") {
      line.parity = 'n';
    } else if (v == "even" || v == "e") {
      line.parity = 'e';
    } else if (v == "odd" || v == "o") {
      line.parity = 'o';
    } else {
      return "--parity: \"" + std::string(v) + "\" is not none, even or odd";
    }
  } else if (o.valued("--stop-bits", {}, v)) {
    if (v != "1" && v != "2") return "--stop-bits: \"" + std::string(v) + "\" is not 1 or 2";
    line.stopBits = v == "1" ? 1 : 2;
  } else {
    matched = false;
  }
  return std::nullopt;
}

std::optional<std::string> formatOption(std::string_view v, Format& f) {
  const auto named = formatNamed(v);
  if (!named) {
    return "--format: \"" + std::string(v) + "\" is not one of " + std::string(formatNames());
  }
  f = *named;
  return std::nullopt;
}

Command parseDecode(const std::vector<std::string_view>& args) {
  Options o(args);
  DecodeOptions d;
  std::optional<std::string_view> source;
  while (!o.done()) {
    std::string_view v;
    bool line = false;
    if (o.flag("--help", "-h")) return ShowText{std::string(kDecodeHelp)};
    if (auto error = lineOption(o, d.line, line)) return UsageError{*error};
    if (line) {
      // taken
    } else if (o.flag("--json")) {
      d.json = true;
    } else if (o.valued("--format", "-f", v)) {
      Format f{};
      if (o.missing().empty()) {
        if (auto error = formatOption(v, f)) return UsageError{*error};
        d.format = f;
      }
    } else if (o.isOption()) {
      return UsageError{"decode: unknown option \"" + std::string(o.current()) + "\""};
    } else {
      if (source) return UsageError{"decode takes one SOURCE"};
      source = o.current();
      o.skip();
    }
    if (!o.missing().empty()) return UsageError{o.missing() + " needs a value"};
  }
  if (source) {
    auto e = parseEndpoint(*source, false);
    if (auto* error = std::get_if<std::string>(&e)) return UsageError{"decode: " + *error};
    d.source = std::get<Endpoint>(e);
  }
  return d;
}

Command parseSend(const std::vector<std::string_view>& args) {
  Options o(args);
  SendOptions s;
  std::optional<std::string_view> target;
  std::optional<std::string_view> distance, azimuth, bearing, track;
  while (!o.done()) {
    std::string_view v;
    bool line = false;
    if (o.flag("--help", "-h")) return ShowText{std::string(kSendHelp)};
    if (auto error = lineOption(o, s.line, line)) return UsageError{*error};
    if (line) {
      // taken
    } else if (o.flag("--lock")) {
      s.inLock = true;
    } else if (o.flag("--no-lock")) {
      s.inLock = false;
    } else if (o.flag("--mk3")) {
      s.mk3 = true;
    } else if (o.valued("--format", "-f", v)) {
      if (o.missing().empty()) {
        if (auto error = formatOption(v, s.format)) return UsageError{*error};
      }
    } else if (o.valued("--rate", "-r", v)) {
      const auto n = wholeNumber(v);
      if (o.missing().empty() && (!n || (*n != 1 && *n != 2 && *n != 4))) {
        return UsageError{"--rate: \"" + std::string(v) + "\" is not 1, 2 or 4"};
      }
      if (n) s.rate = static_cast<int>(*n);
    } else if (o.valued("--count", "-n", v)) {
      const auto n = wholeNumber(v);
      if (o.missing().empty() && (!n || *n < 1)) {
        return UsageError{"--count: \"" + std::string(v) + "\" is not a whole number above 0"};
      }
      s.count = n;
    } else if (o.valued("--distance", "-d", v)) {
      distance = v;
    } else if (o.valued("--azimuth", "-a", v)) {
      azimuth = v;
    } else if (o.valued("--bearing", "-b", v)) {
      bearing = v;
    } else if (o.valued("--track", "-t", v)) {
      track = v;
    } else if (o.isOption()) {
      return UsageError{"send: unknown option \"" + std::string(o.current()) + "\""};
    } else {
      if (target) return UsageError{"send takes one TARGET"};
      target = o.current();
      o.skip();
    }
    if (!o.missing().empty()) return UsageError{o.missing() + " needs a value"};
  }
  if (!target) return UsageError{"send needs a TARGET (see kestrom-telegrams send --help)"};
  auto e = parseEndpoint(*target, true);
  if (auto* error = std::get_if<std::string>(&e)) return UsageError{"send: " + *error};
  s.target = std::get<Endpoint>(e);

  const auto leg = [](std::optional<std::string_view> text, std::string_view what, Milli most,
                      Leg& into) -> std::optional<std::string> {
    if (!text) return std::nullopt;
    auto parsed = parseLeg(*text, what, most);
    if (auto* error = std::get_if<std::string>(&parsed)) return *error;
    into = std::get<Leg>(parsed);
    if (into.step != 0) return std::string(what) + " takes one value; steps go in --track";
    return std::nullopt;
  };
  if (track) {
    if (distance || azimuth) return UsageError{"--track replaces --distance and --azimuth"};
    auto parsed = parseTrack(*track);
    if (auto* error = std::get_if<std::string>(&parsed)) return UsageError{"--track: " + *error};
    s.track = std::get<Track>(parsed);
    if (s.track.bearing && bearing) return UsageError{"--track already gives the bearing"};
  }
  if (auto error = leg(distance, "--distance", kMostDistance, s.track.distance)) {
    return UsageError{*error};
  }
  if (auto error = leg(azimuth, "--azimuth", kMostAngle, s.track.azimuth))
    return UsageError{*error};
  if (!s.track.bearing) {
    Leg b;
    if (auto error = leg(bearing, "--bearing", kMostAngle, b)) return UsageError{*error};
    s.track.bearing = b;
  }
  return s;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string_view>& args) {
  if (args.empty()) return UsageError{"a COMMAND is needed: decode or send (see --help)"};
  const std::string_view command = args.front();
  const std::vector<std::string_view> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h") return ShowText{std::string(kMainHelp)};
  if (command == "--version" || command == "-V") return ShowText{versionText()};
  if (command == "decode") return parseDecode(rest);
  if (command == "send") return parseSend(rest);
  return UsageError{"unknown command \"" + std::string(command) + "\": decode or send"};
}

std::string_view mainHelp() {
  return kMainHelp;
}
std::string_view decodeHelp() {
  return kDecodeHelp;
}
std::string_view sendHelp() {
  return kSendHelp;
}

}  // namespace kestrom::tool
