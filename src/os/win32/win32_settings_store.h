// The launcher's choices in the registry under HKEY_CURRENT_USER, as
// REG_BINARY values.
#pragma once

#include "os/settings_store.h"

// The registry handle type, declared here so that this header does not bring
// in <windows.h>.
struct HKEY__;

namespace vs {

class Win32SettingsStore : public SettingsStore {
 public:
  Win32SettingsStore() = default;
  ~Win32SettingsStore() override;
  Win32SettingsStore(const Win32SettingsStore&) = delete;
  Win32SettingsStore& operator=(const Win32SettingsStore&) = delete;

  bool createOrOpenKey() override;
  bool openKeyForReading() override;
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override;
  bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) override;

 private:
  HKEY__* key_ = nullptr;
};

}  // namespace vs
