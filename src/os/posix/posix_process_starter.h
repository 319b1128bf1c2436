// Starting the game or the editor on POSIX: posix_spawn with the search order
// the launcher promises (working directory first, its name without regard to
// case, then PATH), arguments split as a Windows program would split them, a
// Windows program always through Wine with its exact command line, and
// finished children reaped without ever waiting in the dialog.
#pragma once

#include "os/process_starter.h"

namespace vs {

// The folder of the running launcher, where its Wine relays are installed.
std::string launcherFolder();

class PosixProcessStarter : public ProcessStarter {
 public:
  explicit PosixProcessStarter(std::string relayFolder = launcherFolder());
  // Besides the errno values, the launcher's own failures of a Windows
  // program's start through Wine (see core/launch/spawn_error_text.h).
  int startProcess(const std::string& programName, const std::string& switchString) override;

 private:
  std::string relayFolder_;
};

}  // namespace vs
