#include "os/posix/folder_prefetch.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <utility>

#include "os/posix/descriptor_source.h"
#include "os/posix/folder_entries.h"

namespace vs {
namespace {

// The whole file, read as the scan reads it; false when it cannot be opened
// or is larger than the prefetch keeps.
bool readWhole(int folder, const std::string& name, std::string& into) {
  const int fd = ::openat(folder, name.c_str(), DescriptorSource::kOpenFlags);
  if (fd < 0)
    return false;
  DescriptorSource source(fd);
  char block[16 * 1024];
  while (const std::size_t got = source.read(block, sizeof block)) {
    into.append(block, got);
    if (into.size() > PrefetchedFolder::kMaxBytes)
      return false;
  }
  return true;
}

std::unique_ptr<PrefetchedFolder> readFolder(const std::string& path,
                                             const std::string& extension) {
  const OpenFolder folder(path);
  struct stat seen {};
  if (folder.fd() < 0 || ::fstat(folder.fd(), &seen) != 0)
    return nullptr;
  auto result = std::make_unique<PrefetchedFolder>();
  result->device = seen.st_dev;
  result->inode = seen.st_ino;
  result->extension = extension;
  const FolderIndex index(folder.fd());
  for (const std::string_view name : namesByExtension(folder.fd(), index, extension))
    result->names.emplace_back(name);
  for (const std::string& name : result->names) {
    std::string bytes;
    if (readWhole(folder.fd(), name, bytes))
      result->bytes.emplace(name, std::move(bytes));
  }
  return result;
}

}  // namespace

FolderPrefetch::FolderPrefetch(std::string folder, std::string extension)
    : thread_([this, folder = std::move(folder), extension = std::move(extension)] {
        result_ = readFolder(folder, extension);
      }) {}

FolderPrefetch::~FolderPrefetch() {
  if (thread_.joinable())
    thread_.join();
}

std::unique_ptr<PrefetchedFolder> FolderPrefetch::take() {
  if (thread_.joinable())
    thread_.join();
  return std::move(result_);
}

}  // namespace vs
