#include "os/posix/wine_start.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/launch/spawn_error_text.h"
#include "core/launch/wine_relay.h"
#include "core/text/path_parts.h"
#include "os/posix/code_page_text.h"
#include "os/posix/descriptor_source.h"
#include "os/posix/process_spawn.h"
#include "os/posix/program_search.h"
#include "os/posix/wine_choice.h"

namespace vs {
namespace {

bool isReadableFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), R_OK) == 0;
}

}  // namespace

bool isWindowsProgram(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return false;
  struct stat info;
  char magic[2] = {};
  const bool windows = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                       readUpTo(fd, magic, sizeof magic) == 2 && magic[0] == 'M' && magic[1] == 'Z';
  ::close(fd);
  return windows;
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

std::vector<std::string> wineRelayArguments(const std::string& wine, const std::string& relay,
                                            const std::string& program,
                                            const std::string& commandLine) {
  return {wine, relay, hexEncode(program), hexEncode(toLocaleCodePage(commandLine))};
}

std::vector<std::string> wineEnvironment(const std::string& gameDirectory) {
  std::vector<std::string> environment = currentEnvironment();
  if (std::getenv("WINEPREFIX") == nullptr) {
    if (const std::string prefix = enclosingWinePrefix(gameDirectory); !prefix.empty())
      environment.push_back("WINEPREFIX=" + prefix);
  }
  return environment;
}

int startThroughWine(const std::string& relayFolder, const std::string& program,
                     const std::string& commandLine, pid_t& child) {
  std::string wine;
  if (const int failure = findWine(wine); failure != 0)
    return failure;
  const std::string absolute =
      program.front() == '/' ? program : joinPath(workingDirectory(), program);
  const std::string gameDirectory = parentFolder(absolute).value_or(std::string());
  const bool win32 = isWin32Prefix(winePrefixFor(gameDirectory));
  const std::string relay = joinPath(relayFolder, wineRelayName(win32));
  if (relayFolder.empty() || !isReadableFile(relay))
    return win32 ? kWineRelay32Missing : kWineRelay64Missing;

  const int error = spawnProgram(wine, wineRelayArguments(wine, relay, absolute, commandLine),
                                 wineEnvironment(gameDirectory), child);
  // A Wine of the player's choosing that the system refuses to run.
  if (error != 0 && std::getenv("WINE") != nullptr)
    return kWineNotRunnable;
  return error;
}

}  // namespace vs
