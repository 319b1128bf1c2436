#include "os/win32/win32_process_starter.h"

#include <process.h>
#include <windows.h>

#include <cerrno>

namespace vs {

int Win32ProcessStarter::startProcess(const std::string& programName,
                                      const std::string& switchString) {
  // The runtime joins the arguments with one blank: the child sees the name,
  // that blank and the switch string, which begins with its own blank.
  errno = 0;
  const intptr_t child = ::_spawnlp(_P_NOWAIT, programName.c_str(), programName.c_str(),
                                    switchString.c_str(), nullptr);
  if (child == -1)
    return errno != 0 ? errno : EINVAL;
  // The launcher never waits for the child; its handle is of no further use.
  ::CloseHandle(reinterpret_cast<HANDLE>(child));
  return 0;
}

}  // namespace vs
