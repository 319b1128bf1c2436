// The moves of one park or activation on Windows: MoveFileA between the two
// folders, which never replaces; the system finds names whatever their case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/archives/archive_folders.h"

namespace vs {

class Win32ArchiveMoves : public ArchiveMoves {
 public:
  explicit Win32ArchiveMoves(const ArchiveDirectories& dirs) : dirs_(dirs) {}

  // In the order the system's search yields them.
  std::vector<std::string_view> parkable(std::string_view extension) override;
  std::optional<std::string> park(std::string_view name) override;
  std::optional<std::string> bringBack(std::string_view name) override;

 private:
  std::optional<std::string> move(const std::string& fromFolder, const std::string& toFolder,
                                  std::string_view name);

  ArchiveDirectories dirs_;
  std::vector<std::string> names_;
  std::string from_, to_;  // the paths of the current move, reused
};

}  // namespace vs
