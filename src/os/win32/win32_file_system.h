// The file-system services on Windows: _findfirst/_findnext, names taken as
// they are (the system ignores letter case), MoveFileA that never replaces.
#pragma once

#include "os/file_system.h"

namespace vs {

class Win32FileSystem : public FileSystem {
 public:
  std::vector<std::string> findByExtension(const std::string& directory,
                                           const std::string& extension) override;
  std::unique_ptr<ArchiveMoves> openArchiveMoves(const ArchiveDirectories& dirs) override;
  char separator() const override { return '\\'; }
};

// The reason shown in the log for a Win32 error code of a failed move.
std::string moveFailureText(unsigned long win32Error);

}  // namespace vs
