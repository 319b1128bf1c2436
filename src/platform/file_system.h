// File-system services the launcher needs: a wildcard directory search, the
// mapping of a name to the entry that exists, reading a file, and a move that
// never replaces.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mods/byte_source.h"

namespace vs {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Entry names (without directory) of `directory` whose name ends in
  // `extension` (".ini", ".mod") without regard to letter case, files and
  // directories alike, in the order the system yields them. An empty
  // `directory` is the working directory; a missing one yields nothing.
  // Pipes, sockets and devices (or links to them) are never yielded.
  virtual std::vector<std::string> findByExtension(const std::string& directory,
                                                   const std::string& extension) = 0;

  // The path under which `path` exists: `path` itself when it exists, else the
  // first entry of its directory whose name equals the last component without
  // regard to case, else `path` unchanged.
  virtual std::string resolveExisting(const std::string& path) = 0;

  // The file at `path` to read from start to end; null when it cannot be
  // opened. The C stream serves where the system offers nothing cheaper.
  virtual std::unique_ptr<ByteSource> openForReading(const std::string& path) {
    return openWithStdio(path);
  }

  // Moves an entry; never replaces an existing destination and never copies.
  // Returns the system's reason on failure.
  virtual std::optional<std::string> moveNoReplace(const std::string& from,
                                                   const std::string& to) = 0;

  // The path separator the launcher's paths and log lines use ("/" or "\").
  virtual char separator() const = 0;
};

}  // namespace vs
