#pragma once

#include <string>

namespace vs {

// Failures found by the launcher itself before anything is started, when a
// Windows program is to start through Wine on Linux. Far below zero, so
// that neither an errno value nor a bare -1 can be taken for one.
enum OwnStartFailure : int {
  kNoWineFound = -1001,         // WINE unset and no wine on PATH
  kWineNotRunnable = -1002,     // WINE set, but to nothing that can run
  kWineRelay64Missing = -1003,  // the 64-bit relay is not beside the launcher
  kWineRelay32Missing = -1004,  // the 32-bit relay is not beside the launcher
};

// The text shown after "Error: " for the errno value of a failed start, or
// for one of the launcher's own failures above.
std::string spawnErrorText(int errorNumber);

// The runtime's errno number for the system's errno value of a failed start;
// any failure outside the start-failure texts keeps its own number.
int runtimeStartError(int systemError);

}  // namespace vs
