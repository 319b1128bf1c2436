#include "os/posix/wine_start.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "os/posix/code_page_text.h"

extern char** environ;

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

bool isWindowsProgram(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return false;
  char magic[2] = {};
  const bool windows = ::read(fd, magic, sizeof magic) == 2 && magic[0] == 'M' && magic[1] == 'Z';
  ::close(fd);
  return windows && isFile(path);
}

std::string enclosingWinePrefix(const std::string& directory) {
  std::string candidate = directory;
  while (!candidate.empty()) {
    while (candidate.size() > 1 && candidate.back() == '/') candidate.pop_back();
    const std::string base = candidate == "/" ? "/" : candidate + "/";
    if (isDirectory(base + "drive_c") && isFile(base + "system.reg"))
      return candidate;
    if (candidate == "/")
      break;
    const auto cut = candidate.find_last_of('/');
    if (cut == std::string::npos)
      break;
    candidate = cut == 0 ? "/" : candidate.substr(0, cut);
  }
  return {};
}

std::string hexEncode(std::string_view bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

std::vector<std::string> wineRelayArguments(const std::string& relay, const std::string& program,
                                            const std::string& commandLine) {
  return {"wine", relay, hexEncode(program), hexEncode(toLocaleCodePage(commandLine))};
}

std::vector<std::string> wineEnvironment(const std::string& launcherDirectory) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
  if (std::getenv("WINEPREFIX") == nullptr) {
    if (const std::string prefix = enclosingWinePrefix(launcherDirectory); !prefix.empty())
      environment.push_back("WINEPREFIX=" + prefix);
  }
  return environment;
}

}  // namespace vs
