// Starting a program without waiting for it.
#pragma once

#include <string>

namespace vs {

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts `programName` with the switch string as its command line after the
  // program name. Returns 0 on success, otherwise the errno value of the
  // failure or one of the launcher's own (core/launch/spawn_error_text.h).
  virtual int startProcess(const std::string& programName, const std::string& switchString) = 0;
};

}  // namespace vs
