// The per-user store on POSIX: one file in the text form of a registry export,
// "$XDG_CONFIG_HOME/KARNOW-STUDIO Software GmbH/VornakStarter.reg", so that it
// can be imported into a Windows registry as it stands. Every change replaces
// the whole file atomically; lines the store does not understand are kept.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/settings_store.h"

namespace vs {

// The file's place for these environment values; nullopt when neither gives an
// absolute directory.
std::optional<std::filesystem::path> settingsFilePath(const char* xdgConfigHome, const char* home);

class PosixSettingsStore : public SettingsStore {
 public:
  // The file named by the environment (XDG_CONFIG_HOME, else HOME/.config,
  // else the user's home directory from the password database).
  PosixSettingsStore();
  explicit PosixSettingsStore(std::filesystem::path file);

  bool createOrOpenKey() override;
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override;
  bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) override;

  const std::optional<std::filesystem::path>& file() const { return file_; }

 private:
  std::optional<std::filesystem::path> file_;
  bool open_ = false;
};

}  // namespace vs
