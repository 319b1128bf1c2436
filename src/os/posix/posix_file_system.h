// The file-system services on POSIX: readdir in name order, names found
// without regard to case, plain descriptor reads and renameat2 without
// replacement.
#pragma once

#include "os/file_system.h"
#include "os/posix/case_insensitive_paths.h"

namespace vs {

class PosixFileSystem : public FileSystem {
 public:
  // In name order, whatever order readdir gives; the folder is found
  // without regard to case.
  std::vector<std::string> findByExtension(const std::string& directory,
                                           const std::string& extension) override;
  // Each component without regard to case, an exact match first; of several
  // entries that differ only in case, the first in name order.
  std::string resolveExisting(const std::string& path) override;
  // Read with bare read(2) calls: the mod list opens every INI file of the
  // program directory, and the C stream's setup costs as much as parsing.
  std::unique_ptr<ByteSource> openForReading(const std::string& path) override;
  std::optional<std::string> moveNoReplace(const std::string& from, const std::string& to) override;
  char separator() const override { return '/'; }

 private:
  // 0 or the errno of a move of exactly these paths.
  static int moveOnce(const std::string& from, const std::string& to);

  CaseInsensitivePaths paths_;
};

// The move used where the file system refuses RENAME_NOREPLACE: a file gets a
// hard link under the new name before the old one goes; a directory moves onto
// a freshly made empty directory that reserves the name. Neither can replace
// an entry that was there before.
std::optional<std::string> moveWithoutRenameFlag(const std::string& from, const std::string& to);

}  // namespace vs
