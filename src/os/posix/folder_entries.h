// Folders read through open descriptors: a folder found without regard to
// the case of its components, its entries listed, a name's other spellings.
#pragma once

#include <dirent.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vs {

// An open folder, closed with the object; `error` is why it could not be
// opened (its descriptor is then -1).
class OpenFolder {
 public:
  OpenFolder() = default;
  // `path` as written when it is a folder, else with each component that
  // exists only in another case spelled as on disk (of several spellings,
  // the first in name order). "" is the working directory.
  explicit OpenFolder(const std::string& path);
  // The folder `name` inside `parent`, found the same way; `spellings`, when
  // given, are the names of the parent equal to `name` without regard to
  // case, from a listing the caller has just taken.
  OpenFolder(const OpenFolder& parent, std::string_view name,
             const std::vector<std::string>* spellings = nullptr);
  ~OpenFolder();
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  OpenFolder(OpenFolder&& other) noexcept;
  OpenFolder& operator=(OpenFolder&& other) noexcept;

  int fd() const { return fd_; }
  int error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

// Calls visit(name, type) for every entry of the open folder `folder` but
// "." and ".."; `type` is the dirent's d_type.
template <class Visit>
void forEachEntry(int folder, Visit visit);

// Whether the entry is a pipe, socket or device node, or a link to one: its
// type from the listing, else from what it leads to.
bool isSpecialEntry(int folder, const char* name, unsigned char type);

// The entries of `folder` whose names end in `extension` without regard to
// case, in name order; pipes, sockets and device nodes left out.
std::vector<std::string> listByExtension(int folder, const std::string& extension);

// Of `names`, the first in name order that equals `name` without regard to
// case but is not `name` itself; empty when none.
std::string otherSpelling(const std::vector<std::string>& names, std::string_view name);
// The same among the entries of `folder`.
std::string otherSpelling(int folder, std::string_view name);

// --- implementation of the template

// Reads the next block of entries of `fd` (its own descriptor of the
// folder) into `block`; the bytes read, 0 at the end, -1 on an error.
long readEntries(int fd, char* block, std::size_t size);
int openListing(int folder);
void closeListing(int fd);

// Straight from the kernel into a block on the stack: a DIR would take a
// 32 KB heap block for every listing.
template <class Visit>
void forEachEntry(int folder, Visit visit) {
  const int fd = openListing(folder);
  if (fd < 0)
    return;
  alignas(8) char block[32 * 1024];
  long got;
  while ((got = readEntries(fd, block, sizeof block)) > 0) {
    for (long at = 0; at < got;) {
      const auto* entry = reinterpret_cast<const dirent64*>(block + at);
      at += entry->d_reclen;
      const char* name = entry->d_name;
      if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
        continue;
      visit(name, entry->d_type);
    }
  }
  closeListing(fd);
}

}  // namespace vs
