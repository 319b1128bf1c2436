#include "os/win32/win32_settings_store.h"

#include <windows.h>

#include "core/settings/settings_key.h"

namespace vs {

Win32SettingsStore::~Win32SettingsStore() {
  if (key_ != nullptr)
    ::RegCloseKey(key_);
}

bool Win32SettingsStore::createOrOpenKey() {
  if (key_ != nullptr)
    return true;
  char noClass[] = "";
  DWORD disposition = 0;
  const std::string path = settingsKeyPath();
  const LONG status =
      ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key_, &disposition);
  if (status != ERROR_SUCCESS)
    key_ = nullptr;
  return key_ != nullptr;
}

bool Win32SettingsStore::openKeyForReading() {
  if (key_ != nullptr)
    return true;
  const std::string path = settingsKeyPath();
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS)
    key_ = nullptr;
  return key_ != nullptr;
}

QueryResult Win32SettingsStore::queryBinary(const std::string& name, std::size_t bufferSize,
                                            std::vector<std::uint8_t>& data) {
  if (key_ == nullptr)
    return QueryResult::failed;
  std::vector<std::uint8_t> buffer(bufferSize);
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(bufferSize);
  const LONG status = ::RegQueryValueExA(key_, name.c_str(), nullptr, &type, buffer.data(), &size);
  if (status == ERROR_FILE_NOT_FOUND)
    return QueryResult::missing;
  if (status == ERROR_MORE_DATA)
    return QueryResult::tooLong;
  if (status != ERROR_SUCCESS)
    return QueryResult::failed;
  if (type != REG_BINARY)
    return QueryResult::wrongType;
  buffer.resize(size);
  data = std::move(buffer);
  return QueryResult::ok;
}

bool Win32SettingsStore::setBinary(const std::string& name, const std::vector<std::uint8_t>& data) {
  if (key_ == nullptr)
    return false;
  return ::RegSetValueExA(key_, name.c_str(), 0, REG_BINARY, data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

}  // namespace vs
