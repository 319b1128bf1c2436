// The per-user store of the launcher's choices: a registry key, or a file that
// takes its place. Values are typed byte strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vs {

enum class QueryResult { ok, missing, wrongType, tooLong, failed };

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Creates the key "Software\<maker>\VornakStarter" under the current user,
  // with the keys above it, or opens it. False when it cannot be made.
  virtual bool createOrOpenKey() = 0;
  // Opens the key only where it exists, creating and writing nothing; false
  // when there is none to read.
  virtual bool openKeyForReading() = 0;
  // Reads a REG_BINARY value that fits into `bufferSize` bytes.
  virtual QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                                  std::vector<std::uint8_t>& data) = 0;
  // A value set here may wait for commit(), which writes all that waits at
  // once. A store that writes each value at once (the registry) has nothing
  // left to do there.
  virtual bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) = 0;
  virtual bool commit() { return true; }
};

}  // namespace vs
