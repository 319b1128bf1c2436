#include "os/win32/win32_program_location.h"

#include <windows.h>

#include "os/win32/ansi_text.h"

namespace vs {
namespace {

// The longest path Windows can hand out, in bytes with its terminator.
constexpr DWORD kLongestPath = 32768;

}  // namespace

// A launcher may sit deeper than MAX_PATH, and a path cut short is no path to
// go by.
std::string wholeModulePath(const std::function<unsigned long(char*, unsigned long)>& get) {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length = get(path.data(), size);
    if (length == 0)
      return {};
    // Cut short, the result fills the buffer; newer systems also say so.
    if (length < size && ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      path.resize(length);
      return path;
    }
    if (size >= kLongestPath)
      return {};
    path.resize(size * 2);
  }
}

std::string Win32ProgramLocation::executablePath() {
  return wholeModulePath(
      [](char* buffer, unsigned long size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
}

// The wide call, unlike _chdir, takes a folder of MAX_PATH bytes or more
// where the system allows one. Paths are in the ANSI code page.
bool Win32ProgramLocation::changeDirectory(const std::string& directory) {
  return ::SetCurrentDirectoryW(wideFromAnsi(directory).c_str()) != 0;
}

}  // namespace vs
