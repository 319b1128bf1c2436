// File-system services the launcher needs: the searches and moves of the
// archive rules, and reading a file.
#pragma once

#include <memory>
#include <string>

#include "core/archives/archive_folders.h"
#include "core/io/byte_source.h"

namespace vs {

class FileSystem : public ArchiveFolders {
 public:
  // The file at `path` to read from start to end; null when it cannot be
  // opened. The C stream serves where the system offers nothing cheaper.
  virtual std::unique_ptr<ByteSource> openForReading(const std::string& path) {
    return openWithStdio(path);
  }

  // The path separator the launcher's paths and log lines use ("/" or "\").
  virtual char separator() const = 0;
};

}  // namespace vs
