// One listing of a folder with its names in name order, so the names equal
// but for case lie side by side and are found by their capitals: how a name
// is found the way Windows finds it. An index is taken for one operation (a
// search, a read, a switch) and never kept past it, so a name changed
// meanwhile is seen by the next.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vs {

class FolderIndex {
 public:
  struct Entry {
    std::string name;
    unsigned char type;  // the dirent's d_type
  };

  FolderIndex() = default;
  // Lists the folder `path` inside the open folder `folder` (or AT_FDCWD)
  // but "." and ".."; a folder that cannot be read lists nothing.
  explicit FolderIndex(int folder, const char* path = ".");

  const std::vector<Entry>& entries() const { return entries_; }
  // The entries equal to `name` without regard to ASCII case, in name order.
  std::span<const Entry> sameButForCase(std::string_view name) const;
  // Of those, `name` itself when it is listed, else the first; null when
  // there is none.
  const Entry* find(std::string_view name) const;

 private:
  std::vector<Entry> entries_;  // in name order
};

}  // namespace vs
