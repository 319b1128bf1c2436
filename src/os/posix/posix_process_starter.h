// Starting the game or the editor on POSIX: posix_spawn with the search order
// the launcher promises (working directory first, its name without regard to
// case, then PATH), arguments split as a Windows program would split them, a
// Windows program through Wine with its exact command line, and finished
// children reaped without ever waiting in the dialog.
#pragma once

#include "os/process_starter.h"

namespace vs {

// The Wine relay installed beside the running launcher.
std::string wineRelayBesideLauncher();

class PosixProcessStarter : public ProcessStarter {
 public:
  explicit PosixProcessStarter(std::string wineRelay = wineRelayBesideLauncher());
  int startProcess(const std::string& programName, const std::string& switchString) override;

 private:
  std::string wineRelay_;
};

}  // namespace vs
