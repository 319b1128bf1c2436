// What the archive rules need of the file system: a wildcard directory
// search, and the moves of one operation between the data folder and the
// parking folder. The OS services implement it; tests use an in-memory one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vs {

struct ArchiveDirectories {
  std::string data;     // "../data/" (POSIX) or "..\data\" (Windows)
  std::string parking;  // "../data/modvdf/" or "..\data\modvdf\"
};

// The two folders of one park or activation, found once for all its moves.
// It keeps nothing that is not on disk: each move is done when it returns.
class ArchiveMoves {
 public:
  virtual ~ArchiveMoves() = default;

  // Names of the data folder's entries that end in `extension` without
  // regard to case, as findByExtension yields them; valid while this object
  // lives.
  virtual std::vector<std::string_view> parkable(std::string_view extension) = 0;

  // Moves data/name to parking/name. Never replaces and never copies;
  // returns the system's reason on failure.
  virtual std::optional<std::string> park(std::string_view name) = 0;

  // Moves parking/name to data/name: the entry of exactly that name, else
  // the first (in name order) whose name equals it without regard to case.
  // Never replaces; returns the system's reason on failure.
  virtual std::optional<std::string> bringBack(std::string_view name) = 0;
};

class ArchiveFolders {
 public:
  virtual ~ArchiveFolders() = default;

  // Entry names (without directory) of `directory` whose name ends in
  // `extension` (".ini", ".mod") without regard to letter case, files and
  // directories alike, a name that is only the extension too, in the order
  // the system yields them (on POSIX the order a Windows folder lists). An empty
  // `directory` is the working directory; a missing one yields nothing.
  // Pipes, sockets and devices (or links to them) are never yielded.
  virtual std::vector<std::string> findByExtension(const std::string& directory,
                                                   const std::string& extension) = 0;

  // The folders of one operation; a missing folder makes every move that
  // needs it fail with the system's reason.
  virtual std::unique_ptr<ArchiveMoves> openArchiveMoves(const ArchiveDirectories& dirs) = 0;
};

}  // namespace vs
