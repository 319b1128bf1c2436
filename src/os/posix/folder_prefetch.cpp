#include "os/posix/folder_prefetch.h"

#include <sys/stat.h>

#include <utility>

#include "os/posix/file_replace.h"
#include "os/posix/folder_entries.h"
#include "os/posix/folder_index.h"

namespace vs {
namespace {

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
  for (const std::string_view listed : namesByExtension(folder.fd(), index, extension)) {
    std::string name(listed), bytes;
    if (readWholeFile(folder.fd(), name.c_str(), bytes, nullptr, PrefetchedFolder::kMaxBytes) ==
        ReadStatus::ok)
      result->bytes.emplace(name, std::move(bytes));
    result->names.push_back(std::move(name));
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
