// Where the launcher's executable lies (GetModuleFileNameA) and _chdir.
#pragma once

#include "os/program_location.h"

namespace vs {

class Win32ProgramLocation : public ProgramLocation {
 public:
  std::string executablePath() override;
  bool changeDirectory(const std::string& directory) override;
};

}  // namespace vs
