#include "os/posix/posix_process_starter.h"

#include <cerrno>

#include "core/launch/spawn_error_text.h"
#include "core/launch/windows_arguments.h"
#include "core/text/path_parts.h"
#include "os/posix/child_reaper.h"
#include "os/posix/posix_program_location.h"
#include "os/posix/process_spawn.h"
#include "os/posix/program_search.h"
#include "os/posix/wine_start.h"

namespace vs {

std::string launcherFolder() {
  return parentFolder(PosixProgramLocation().executablePath()).value_or(std::string());
}

PosixProcessStarter::PosixProcessStarter(std::string relayFolder)
    : relayFolder_(std::move(relayFolder)) {
  watchStartedChildren();
}

int PosixProcessStarter::startProcess(const std::string& programName,
                                      const std::string& switchString) {
  reapFinishedChildren();

  std::vector<std::string> arguments = splitWindowsArguments(switchString);
  arguments.insert(arguments.begin(), programName);

  pid_t child = 0;
  int error = ENOENT;
  // The search ends at the first file found, or at the first failure other
  // than a missing file.
  for (const std::string& candidate : programCandidates(programName)) {
    // A Windows program always goes through Wine and the relay, whatever its
    // execute bit and whatever the system would run it with: only then does
    // it get its exact line, joined as the Windows runtime joins it (one
    // blank, then the switch string with its own).
    if (isWindowsProgram(candidate)) {
      error = startThroughWine(relayFolder_, candidate, programName + " " + switchString, child);
      break;
    }
    error = spawnProgram(candidate, arguments, currentEnvironment(), child);
    if (error != ENOENT)
      break;
  }
  if (error != 0)
    return error > 0 ? runtimeStartError(error) : error;

  rememberChild(child);
  // The child may have ended before it was in the table, with its SIGCHLD
  // already handled.
  reapFinishedChildren();
  return 0;
}

}  // namespace vs
