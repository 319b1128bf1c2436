// Where the launcher's executable lies, and changing the working directory.
#pragma once

#include <string>

namespace vs {

class ProgramLocation {
 public:
  virtual ~ProgramLocation() = default;
  // The full path of the running executable; empty when unknown.
  virtual std::string executablePath() = 0;
  virtual bool changeDirectory(const std::string& directory) = 0;
};

}  // namespace vs
