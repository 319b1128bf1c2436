#include "os/posix/folder_index.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "core/text/name_order.h"

namespace vs {

FolderIndex::FolderIndex(int folder, const char* path) {
  // A descriptor of its own, so the listing neither moves nor closes the
  // caller's.
  const int fd = ::openat(folder, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  DIR* listing = ::fdopendir(fd);
  if (listing == nullptr) {
    ::close(fd);
    return;
  }
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..")
      entries_.push_back({std::string(name), entry->d_type});
  }
  ::closedir(listing);
  std::sort(entries_.begin(), entries_.end(),
            [](const Entry& a, const Entry& b) { return nameOrderLess(a.name, b.name); });
}

std::span<const FolderIndex::Entry> FolderIndex::sameButForCase(std::string_view name) const {
  const auto first = std::partition_point(
      entries_.begin(), entries_.end(), [&](const Entry& e) { return capitalsLess(e.name, name); });
  const auto last = std::partition_point(
      first, entries_.end(), [&](const Entry& e) { return !capitalsLess(name, e.name); });
  return {first, last};
}

const FolderIndex::Entry* FolderIndex::find(std::string_view name) const {
  const std::span<const Entry> spellings = sameButForCase(name);
  if (spellings.empty())
    return nullptr;
  const auto exact = std::find_if(spellings.begin(), spellings.end(),
                                  [&](const Entry& e) { return e.name == name; });
  return exact != spellings.end() ? &*exact : &spellings.front();
}

}  // namespace vs
