#include "os/posix/posix_file_system.h"

#include <sys/stat.h>

#include "os/posix/descriptor_source.h"
#include "os/posix/folder_entries.h"
#include "os/posix/folder_index.h"
#include "os/posix/posix_archive_moves.h"

namespace vs {

std::vector<std::string> PosixFileSystem::findByExtension(const std::string& directory,
                                                          const std::string& extension) {
  prefetched_.clear();
  const OpenFolder folder(directory);
  if (folder.fd() < 0)
    return {};
  if (prefetch_) {
    // Only the first search can use what was read at start-up.
    std::unique_ptr<PrefetchedFolder> ready = prefetch_->take();
    prefetch_.reset();
    struct stat seen {};
    if (ready && directory.empty() && ready->extension == extension &&
        ::fstat(folder.fd(), &seen) == 0 && seen.st_dev == ready->device &&
        seen.st_ino == ready->inode) {
      prefetched_ = std::move(ready->bytes);
      return std::move(ready->names);
    }
  }
  const FolderIndex index(folder.fd());
  const std::vector<std::string_view> names = namesByExtension(folder.fd(), index, extension);
  return {names.begin(), names.end()};
}

void PosixFileSystem::prefetch(const std::string& folder, const std::string& extension) {
  prefetch_ = std::make_unique<FolderPrefetch>(folder, extension);
}

std::unique_ptr<ByteSource> PosixFileSystem::openForReading(const std::string& path) {
  if (const auto found = prefetched_.find(path); found != prefetched_.end()) {
    auto source = sourceOfBytes(std::move(found->second));
    prefetched_.erase(found);
    return source;
  }
  const int fd = openAnyCase(path, DescriptorSource::kOpenFlags);
  if (fd < 0)
    return nullptr;
  return std::make_unique<DescriptorSource>(fd);
}

std::unique_ptr<ArchiveMoves> PosixFileSystem::openArchiveMoves(const ArchiveDirectories& dirs) {
  return std::make_unique<PosixArchiveMoves>(dirs);
}

}  // namespace vs
