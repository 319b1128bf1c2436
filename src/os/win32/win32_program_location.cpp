#include "os/win32/win32_program_location.h"

#include <direct.h>

#include "os/win32/windows_lean.h"

namespace vs {

std::string Win32ProgramLocation::executablePath() {
  char buffer[260];
  const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  // A path cut at the buffer's end is no path to go by.
  if (length == 0 || length >= sizeof buffer)
    return {};
  return std::string(buffer, length);
}

bool Win32ProgramLocation::changeDirectory(const std::string& directory) {
  return ::_chdir(directory.c_str()) == 0;
}

}  // namespace vs
