// Folders and files found through open descriptors without regard to the
// case of their names, as Windows finds them: the exact spelling first, else
// the first of the others in name order, each from a folder's index.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "os/posix/folder_index.h"

namespace vs {

// An open folder, closed with the object; `error` is why it could not be
// opened (its descriptor is then -1).
class OpenFolder {
 public:
  OpenFolder() = default;
  // `path` as written when it is a folder, else with each component that
  // exists only in another case found in its parent's index. "" is the
  // working directory.
  explicit OpenFolder(const std::string& path);
  // The folder `name` inside `parent`, found the same way; `index`, when
  // given, is the parent's, taken by the caller for the same operation.
  OpenFolder(const OpenFolder& parent, std::string_view name, const FolderIndex* index = nullptr);
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

// The file at `path` opened with `flags`, its folder and its name found
// without regard to case where they are missing as written; -1 with errno
// set when there is none.
int openAnyCase(const std::string& path, int flags);

// Whether the entry is a pipe, socket or device node, or a link to one: its
// type from the listing, else from what it leads to.
bool isSpecialEntry(int folder, const char* name, unsigned char type);

// The names in `index`, the listing of `folder`, that end in `extension`
// without regard to case, in name order; pipes, sockets and device nodes
// left out. The views last as long as the index.
std::vector<std::string_view> namesByExtension(int folder, const FolderIndex& index,
                                               std::string_view extension);

}  // namespace vs
