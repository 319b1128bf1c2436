#include "core/launch/spawn_error_text.h"

#include <cerrno>

#include "core/launch/wine_relay.h"

namespace vs {
namespace {

// The runtime's errno numbers for a failed start, the system's own name for
// each, and the text shown for it. On Windows both numbers agree.
struct StartFailure {
  int runtimeNumber;
  int systemNumber;
  const char* text;
};

constexpr StartFailure kStartFailures[] = {
    // clang-format off
    {2,  ENOENT,  "Path or file name not found"},
    {7,  E2BIG,   "Arg list too long"},
    {8,  ENOEXEC, "Exec format error"},
    {12, ENOMEM,  "Not enough memory"},
    {13, EACCES,  "Permission denied"},
    {22, EINVAL,  "Invalid argument"},
    {24, EMFILE,  "Too many open files"},
    // clang-format on
};

// The launcher's own failures: the text is the subject (a file name, or
// nothing) followed by the rest.
struct OwnFailure {
  int code;
  const char* subject;
  const char* text;
};

constexpr OwnFailure kOwnFailures[] = {
    // clang-format off
    {kNoWineFound,        "",               "Wine not found (no WINE, no wine on PATH)"},
    {kWineNotRunnable,    "",               "WINE names no program that can run"},
    {kWineRelay64Missing, kWineRelay64Name, " not found beside the launcher"},
    {kWineRelay32Missing, kWineRelay32Name, " not found beside the launcher (32-bit prefix)"},
    // clang-format on
};

}  // namespace

std::string spawnErrorText(int errorNumber) {
  for (const auto& failure : kOwnFailures) {
    if (failure.code == errorNumber)
      return std::string(failure.subject) + failure.text;
  }
  for (const auto& failure : kStartFailures) {
    if (failure.runtimeNumber == errorNumber)
      return failure.text;
  }
  return "Unknown";
}

int runtimeStartError(int systemError) {
  for (const auto& failure : kStartFailures) {
    if (failure.systemNumber == systemError)
      return failure.runtimeNumber;
  }
  return systemError;
}

}  // namespace vs
