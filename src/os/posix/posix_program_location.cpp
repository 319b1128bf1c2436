#include "os/posix/posix_program_location.h"

#include <unistd.h>

#include <vector>

namespace vs {

std::string PosixProgramLocation::executablePath() {
  // /proc/self/exe has no length limit of its own: grow until the link fits.
  std::vector<char> buffer(512);
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0)
      return {};
    if (static_cast<std::size_t>(length) < buffer.size())
      return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

bool PosixProgramLocation::changeDirectory(const std::string& directory) {
  return ::chdir(directory.c_str()) == 0;
}

}  // namespace vs
