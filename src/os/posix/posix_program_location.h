#pragma once

#include "os/program_location.h"

namespace vs {

class PosixProgramLocation : public ProgramLocation {
 public:
  std::string executablePath() override;
  bool changeDirectory(const std::string& directory) override;
};

}  // namespace vs
