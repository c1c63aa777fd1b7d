#pragma once

// Start-up marks for the start-up benchmark: with KESTROM_STARTUP_TRACE set in
// the environment, each mark prints the milliseconds since the process started
// the program's main and what had just been done; otherwise a mark costs one
// test of a flag.
namespace kestrom::startup {

void mark(const char* what);

}  // namespace kestrom::startup
