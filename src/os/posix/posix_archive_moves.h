// The moves of one park or activation on POSIX: both folders opened once,
// every move a renameat2 without replacement relative to them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/archives/archive_folders.h"
#include "os/posix/folder_entries.h"

namespace vs {

class PosixArchiveMoves : public ArchiveMoves {
 public:
  explicit PosixArchiveMoves(const ArchiveDirectories& dirs);

  // One listing of the data folder, in name order.
  std::vector<std::string_view> parkable(std::string_view extension) override;
  std::optional<std::string> park(std::string_view name) override;
  // The listed spelling first; the parking folder is listed only when a
  // name is missing in it, and then once for the whole operation.
  std::optional<std::string> bringBack(std::string_view name) override;

 private:
  // A name of the parking folder's listing with its capitals; `gone` once
  // moved away by us.
  struct Parked {
    std::string_view capitals;
    std::string_view name;
    bool gone = false;
  };

  const OpenFolder& parking();
  void listParking();
  int bringBackListed(std::string_view name);
  const char* terminated(std::string_view name);

  std::string parkingPath_;
  std::string parkingInData_;  // the parking folder's last component, if it lies in data
  OpenFolder data_;
  OpenFolder parking_;
  bool parkingOpened_ = false;
  // The data folder's listing: its names, each ending in a NUL byte, and
  // the entries that are a folder, as the parking folder's spelling.
  std::string names_;
  std::vector<std::string> folderNames_;
  bool dataListed_ = false;
  std::string parkedNames_, parkedCapitals_;
  std::vector<Parked> parked_;  // in name order
  bool parkingListed_ = false;
  std::string name_;  // the name of the current move, NUL-terminated
  std::string capitals_;
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
