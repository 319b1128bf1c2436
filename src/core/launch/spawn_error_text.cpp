#include "core/launch/spawn_error_text.h"

#include <cerrno>

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

}  // namespace

std::string spawnErrorText(int errorNumber) {
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
