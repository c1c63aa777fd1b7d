#pragma once

#include "telegrams/command_line.h"

namespace kestrom::tool {

// Each returns the exit status: 0 done, 1 the source or target failed.
int runDecode(const DecodeOptions& options);
int runSend(const SendOptions& options);

// SIGINT and SIGTERM end the command cleanly; SIGPIPE is ignored.
void catchStopSignals();
bool stopAsked();

}  // namespace kestrom::tool
