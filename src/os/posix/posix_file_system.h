// The file-system services on POSIX: a folder's index in name order, names
// found without regard to case, plain descriptor reads and renameat2
// without replacement.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "os/file_system.h"
#include "os/posix/folder_prefetch.h"

namespace vs {

class PosixFileSystem : public FileSystem {
 public:
  // In name order, whatever order the system lists; the folder is found
  // without regard to case.
  std::vector<std::string> findByExtension(const std::string& directory,
                                           const std::string& extension) override;
  // Read with bare read(2) calls: the mod list opens every INI file of the
  // program directory, and the C stream's setup costs as much as parsing.
  // A path missing as written is found without regard to case.
  std::unique_ptr<ByteSource> openForReading(const std::string& path) override;
  std::unique_ptr<ArchiveMoves> openArchiveMoves(const ArchiveDirectories& dirs) override;
  char separator() const override { return '/'; }

  // Lists and reads the files of `folder` ending in `extension` in the
  // background; the first search of the working directory, when that is the
  // folder, takes the names and bytes from there. The files are as they were
  // when the prefetch read them, a moment before.
  void prefetch(const std::string& folder, const std::string& extension);

 private:
  std::unique_ptr<FolderPrefetch> prefetch_;
  std::unordered_map<std::string, std::string> prefetched_;  // by name, until the next search
};

}  // namespace vs
