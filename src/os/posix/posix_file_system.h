// The file-system services on POSIX: readdir, case-insensitive name mapping,
// plain descriptor reads and renameat2 without replacement.
#pragma once

#include "os/file_system.h"

namespace vs {

class PosixFileSystem : public FileSystem {
 public:
  std::vector<std::string> findByExtension(const std::string& directory,
                                           const std::string& extension) override;
  // Of several entries that differ from the wanted name only in case, the one
  // that sorts first byte-wise, so the choice does not hang on readdir order.
  std::string resolveExisting(const std::string& path) override;
  // Read with bare read(2) calls: the mod list opens every INI file of the
  // program directory, and the C stream's setup costs as much as parsing.
  std::unique_ptr<ByteSource> openForReading(const std::string& path) override;
  std::optional<std::string> moveNoReplace(const std::string& from, const std::string& to) override;
  char separator() const override { return '/'; }
};

// The move used where the file system refuses RENAME_NOREPLACE: a file gets a
// hard link under the new name before the old one goes; a directory moves onto
// a freshly made empty directory that reserves the name. Neither can replace
// an entry that was there before.
std::optional<std::string> moveWithoutRenameFlag(const std::string& from, const std::string& to);

}  // namespace vs
