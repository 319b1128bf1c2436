#include "os/posix/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/settings/settings_key.h"

namespace vs {
namespace {

const std::string kFileName = std::string(kSettingsProgram) + ".reg";

bool isAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

std::optional<std::filesystem::path> passwordHome() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !isAbsolute(found->pw_dir)) {
    return std::nullopt;
  }
  return std::filesystem::path(found->pw_dir);
}

// The XDG folder named by `variable`, else `fallback` under the home folder.
std::optional<std::filesystem::path> xdgFolder(const char* variable, const char* home,
                                               const char* fallback) {
  if (isAbsolute(variable))
    return std::filesystem::path(variable);
  if (isAbsolute(home))
    return std::filesystem::path(home) / fallback;
  return std::nullopt;
}

std::optional<std::filesystem::path> userXdgFolder(const char* variable, const char* fallback) {
  if (auto folder = xdgFolder(std::getenv(variable), std::getenv("HOME"), fallback))
    return folder;
  if (auto home = passwordHome())
    return *home / fallback;
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> settingsFilePath(const char* xdgConfigHome, const char* home) {
  if (auto config = xdgFolder(xdgConfigHome, home, ".config"))
    return *config / kSettingsMaker / kFileName;
  return std::nullopt;
}

std::optional<std::filesystem::path> userSettingsFile() {
  if (auto config = userXdgFolder("XDG_CONFIG_HOME", ".config"))
    return *config / kSettingsMaker / kFileName;
  return std::nullopt;
}

std::optional<std::filesystem::path> dataFolderPath(const char* xdgDataHome, const char* home) {
  return xdgFolder(xdgDataHome, home, ".local/share");
}

std::optional<std::filesystem::path> userDataFolder() {
  return userXdgFolder("XDG_DATA_HOME", ".local/share");
}

}  // namespace vs
