#include "os/posix/wine_choice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "core/launch/spawn_error_text.h"
#include "core/launch/wine_relay.h"
#include "core/text/path_parts.h"
#include "os/posix/descriptor_source.h"
#include "os/posix/program_search.h"

namespace vs {
namespace {

bool isDirectory(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

int findWine(std::string& wine) {
  if (const char* named = std::getenv("WINE")) {
    const std::string value = named;
    // A relative path would be taken from the launcher's folder, not from
    // where the player typed it: only absolute paths and bare names.
    if (value.find('/') == std::string::npos)
      wine = findExecutableOnPath(value);
    else
      wine = value.front() == '/' && isExecutableFile(value) ? value : "";
    return wine.empty() ? kWineNotRunnable : 0;
  }
  wine = findExecutableOnPath("wine");
  return wine.empty() ? kNoWineFound : 0;
}

std::string enclosingWinePrefix(const std::string& directory) {
  std::string candidate = directory;
  while (!candidate.empty()) {
    while (candidate.size() > 1 && candidate.back() == '/') candidate.pop_back();
    const std::string base = candidate == "/" ? "/" : candidate + "/";
    if (isDirectory(base + "drive_c") && isFile(base + "system.reg"))
      return candidate;
    const std::optional<std::string> parent = parentFolder(candidate);
    if (candidate == "/" || !parent)
      break;
    candidate = *parent;
  }
  return {};
}

std::string winePrefixFor(const std::string& gameDirectory) {
  if (const char* prefix = std::getenv("WINEPREFIX"))
    return prefix;
  if (std::string prefix = enclosingWinePrefix(gameDirectory); !prefix.empty())
    return prefix;
  const char* home = std::getenv("HOME");
  return home != nullptr ? joinPath(home, ".wine") : "";
}

bool isWin32Prefix(const std::string& prefix) {
  if (prefix.empty())
    return false;
  // Non-blocking, and only a regular file is read: a pipe or device put in
  // its place cannot hold the launcher up.
  const int fd = ::open(joinPath(prefix, "system.reg").c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return false;
  std::string head(kPrefixHeadBytes, '\0');
  ssize_t filled = 0;
  struct stat info;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
    filled = readUpTo(fd, head.data(), head.size());
  ::close(fd);
  head.resize(filled > 0 ? static_cast<std::size_t>(filled) : 0);
  return isWin32PrefixHead(head);
}

}  // namespace vs
