// The moves of one park or activation on POSIX: both folders opened once,
// every move a renameat2 without replacement relative to them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/archives/archive_folders.h"
#include "os/posix/folder_entries.h"
#include "os/posix/folder_index.h"

namespace vs {

class PosixArchiveMoves : public ArchiveMoves {
 public:
  explicit PosixArchiveMoves(const ArchiveDirectories& dirs);

  // From the data folder's index, in name order.
  std::vector<std::string_view> parkable(std::string_view extension) override;
  std::optional<std::string> park(std::string_view name) override;
  // The listed spelling first; the parking folder is listed only when a
  // name is missing in it, and then once for the whole operation.
  std::optional<std::string> bringBack(std::string_view name) override;

 private:
  const OpenFolder& parking();
  int bringBackListed(std::string_view name);

  std::string parkingPath_;
  std::string parkingInData_;  // the parking folder's last component, if it lies in data
  OpenFolder data_;
  OpenFolder parking_;
  bool parkingOpened_ = false;
  std::optional<FolderIndex> dataIndex_, parkingIndex_;
  std::vector<bool> gone_;  // by the parking index's entries: moved away since it was taken
};

// 0 or the errno of a move that never replaces, relative to two open folders
// (or AT_FDCWD). Where the file system refuses the flag of renameat2, the
// move of moveWithoutRenameFlag serves.
int moveNoReplaceAt(int fromFolder, const char* from, int toFolder, const char* to);

// A file gets a hard link under the new name before the old one goes; a
// directory moves onto a freshly made empty directory that reserves the
// name. Neither can replace an entry that was there before.
int moveWithoutRenameFlag(int fromFolder, const char* from, int toFolder, const char* to);

}  // namespace vs
