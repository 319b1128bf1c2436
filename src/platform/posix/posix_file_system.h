// The file-system services on POSIX: readdir, case-insensitive name mapping
// and renameat2 without replacement.
#pragma once

#include "platform/file_system.h"

namespace vs {

class PosixFileSystem : public FileSystem {
 public:
  std::vector<std::string> findByExtension(const std::string& directory,
                                           const std::string& extension) override;
  std::string resolveExisting(const std::string& path) override;
  std::optional<std::string> moveNoReplace(const std::string& from, const std::string& to) override;
  char separator() const override { return '/'; }
};

}  // namespace vs
