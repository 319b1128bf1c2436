// Starting the game or the editor on POSIX: posix_spawn with the search order
// the launcher promises (working directory first, then PATH), arguments split
// as a Windows program would split them, and finished children reaped
// without ever waiting in the dialog.
#pragma once

#include "os/process_starter.h"

namespace vs {

class PosixProcessStarter : public ProcessStarter {
 public:
  PosixProcessStarter();
  int startProcess(const std::string& programName, const std::string& switchString) override;
};

}  // namespace vs
