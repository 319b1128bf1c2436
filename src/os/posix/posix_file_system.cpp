#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "os/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "os/posix/folder_entries.h"
#include "os/posix/posix_archive_moves.h"

namespace vs {
namespace {

class DescriptorSource : public ByteSource {
 public:
  explicit DescriptorSource(int fd) : fd_(fd) {}
  ~DescriptorSource() override { ::close(fd_); }
  DescriptorSource(const DescriptorSource&) = delete;
  DescriptorSource& operator=(const DescriptorSource&) = delete;

  // A regular file fills a read up to its end, so a shorter read is the end:
  // asking once more would cost every scanned file a system call that can
  // only return 0.
  std::size_t read(char* into, std::size_t size) override {
    if (ended_)
      return 0;
    for (;;) {
      const ssize_t got = ::read(fd_, into, size);
      if (got >= 0) {
        ended_ = static_cast<std::size_t>(got) < size;
        return static_cast<std::size_t>(got);
      }
      if (errno != EINTR) {
        ended_ = true;
        return 0;
      }
    }
  }

 private:
  int fd_;
  bool ended_ = false;
};

}  // namespace

std::vector<std::string> PosixFileSystem::findByExtension(const std::string& directory,
                                                          const std::string& extension) {
  // A search begins an operation: what was seen before may have changed.
  paths_.forget();
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
  return listByExtension(folder.fd(), extension);
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
  // Non-blocking, so a pipe put in a file's place after the search cannot
  // hang the launcher; a regular file reads as ever.
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
  int fd = ::open(path.c_str(), flags);
  if (fd < 0 && errno == ENOENT) {
    if (const std::string resolved = paths_.resolve(path); resolved != path)
      fd = ::open(resolved.c_str(), flags);
  }
  if (fd < 0)
    return nullptr;
  return std::make_unique<DescriptorSource>(fd);
}

std::unique_ptr<ArchiveMoves> PosixFileSystem::openArchiveMoves(const ArchiveDirectories& dirs) {
  return std::make_unique<PosixArchiveMoves>(dirs);
}

}  // namespace vs
