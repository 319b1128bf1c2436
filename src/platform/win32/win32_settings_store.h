// The launcher's choices in the registry under HKEY_CURRENT_USER, as
// REG_BINARY values.
#pragma once

#include "platform/settings_store.h"
#include "platform/win32/win_api.h"

namespace vs {

class Win32SettingsStore : public SettingsStore {
 public:
  static constexpr const char* kKeyPath = "Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";

  explicit Win32SettingsStore(std::string keyPath = kKeyPath) : keyPath_(std::move(keyPath)) {}
  ~Win32SettingsStore() override;
  Win32SettingsStore(const Win32SettingsStore&) = delete;
  Win32SettingsStore& operator=(const Win32SettingsStore&) = delete;

  bool createOrOpenKey() override;
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override;
  bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) override;

 private:
  std::string keyPath_;
  HKEY key_ = nullptr;
};

}  // namespace vs
