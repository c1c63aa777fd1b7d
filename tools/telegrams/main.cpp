#include <iostream>
#include <string_view>
#include <vector>

#include "telegrams/command_line.h"
#include "telegrams/commands.h"

int main(int argc, char** argv) {
  using namespace kestrom::tool;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const Command command = parseCommandLine(args);
  if (const auto* text = std::get_if<ShowText>(&command)) {
    std::cout << text->text;
    return 0;
  }
  if (const auto* usage = std::get_if<UsageError>(&command)) {
    std::cerr << "kestrom-telegrams: " << usage->message << "\n"
              << "Try 'kestrom-telegrams --help' for more information.\n";
    return 2;
  }
  if (const auto* decode = std::get_if<DecodeOptions>(&command)) return runDecode(*decode);
  return runSend(std::get<SendOptions>(command));
}
