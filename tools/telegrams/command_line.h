#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "telegrams/formats.h"
#include "telegrams/track.h"

namespace kestrom::tool {

// Serial line settings, applied when the source or target is a terminal device.
struct LineSettings {
  int baud = 9600;
  int dataBits = 8;
  char parity = 'n';  // 'n', 'e' or 'o'
  int stopBits = 1;
};

// Where bytes come from or go to.
struct Endpoint {
  enum Kind { Standard, Path, Tcp, Udp } kind = Standard;
  std::string path;  // Path
  std::string host;  // Tcp, Udp: empty for every local address
  int port = 0;
};

struct DecodeOptions {
  Endpoint source;
  std::optional<Format> format;
  bool json = false;
  LineSettings line;
};

struct SendOptions {
  Endpoint target;
  Format format = Format::Ascii16;
  int rate = 4;                    // telegrams a second: 1, 2 or 4
  std::optional<long long> count;  // slots to send; endless without
  Track track;
  bool inLock = true;
  bool mk3 = false;
  LineSettings line;
};

// What the command line asks for. Text is printed as it is: help and version on
// standard output, a usage error on standard error with exit status 2.
struct ShowText {
  std::string text;
};
struct UsageError {
  std::string message;
};
using Command = std::variant<DecodeOptions, SendOptions, ShowText, UsageError>;

// The arguments after the program name.
Command parseCommandLine(const std::vector<std::string_view>& args);

std::string_view mainHelp();
std::string_view decodeHelp();
std::string_view sendHelp();

}  // namespace kestrom::tool
