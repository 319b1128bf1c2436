// What the archive rules need of the file system: a wildcard directory
// search, the mapping of a name to the entry that exists, and a move that never
// replaces. The OS services implement it; tests use an in-memory one.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vs {

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

  // The path under which `path` exists: `path` itself when it exists, else
  // the path whose components equal its own without regard to case (of
  // several, the first in name order), else `path` unchanged.
  virtual std::string resolveExisting(const std::string& path) = 0;

  // Moves an entry; never replaces an existing destination and never copies.
  // Returns the system's reason on failure.
  virtual std::optional<std::string> moveNoReplace(const std::string& from,
                                                   const std::string& to) = 0;
};

}  // namespace vs
