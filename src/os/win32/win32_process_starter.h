// Starting the game or the editor with the runtime's _spawnlp, not waiting.
#pragma once

#include "os/process_starter.h"

namespace vs {

class Win32ProcessStarter : public ProcessStarter {
 public:
  int startProcess(const std::string& programName, const std::string& switchString) override;
};

}  // namespace vs
