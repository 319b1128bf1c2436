#include "core/launch/spawn_error_text.h"

namespace vs {
namespace {

// The runtime's errno numbers, which POSIX shares for these eight.
struct StartFailure {
  int errorNumber;
  const char* text;
};

const StartFailure kStartFailures[] = {
    {2, "Path or file name not found"},  // ENOENT
    {7, "Arg list too long"},            // E2BIG
    {8, "Exec format error"},            // ENOEXEC
    {12, "Not enough memory"},           // ENOMEM
    {13, "Permission denied"},           // EACCES
    {22, "Invalid argument"},            // EINVAL
    {24, "Too many open files"},         // EMFILE
};

}  // namespace

std::string spawnErrorText(int errorNumber) {
  for (const auto& failure : kStartFailures) {
    if (failure.errorNumber == errorNumber)
      return failure.text;
  }
  return "Unknown";
}

}  // namespace vs
