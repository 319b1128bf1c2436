// Where a user's files live on POSIX: the settings file under the XDG config
// folder, shortcuts and icons under the XDG data folder.
#pragma once

#include <filesystem>
#include <optional>

namespace vs {

// The settings file's place for these environment values; nullopt when
// neither gives an absolute folder.
std::optional<std::filesystem::path> settingsFilePath(const char* xdgConfigHome, const char* home);
// The user's settings file: from XDG_CONFIG_HOME, else HOME/.config, else the
// user's home folder in the password database; nullopt when none names one.
std::optional<std::filesystem::path> userSettingsFile();

// The same rule for the data folder: XDG_DATA_HOME, else HOME/.local/share.
std::optional<std::filesystem::path> dataFolderPath(const char* xdgDataHome, const char* home);
std::optional<std::filesystem::path> userDataFolder();

}  // namespace vs
