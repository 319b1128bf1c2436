// Where the launcher's executable lies (GetModuleFileNameA) and the change of
// the working directory.
#pragma once

#include <functional>

#include "os/program_location.h"

namespace vs {

class Win32ProgramLocation : public ProgramLocation {
 public:
  std::string executablePath() override;
  bool changeDirectory(const std::string& directory) override;
};

// The whole path that `get` writes as GetModuleFileNameA does (into a buffer
// of the given size, its length as the result, the buffer filled when cut
// short), asking again with a larger buffer until it fits. Empty on failure.
std::string wholeModulePath(const std::function<unsigned long(char*, unsigned long)>& get);

}  // namespace vs
