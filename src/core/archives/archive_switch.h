// Parking every mod archive of the data directory and bringing back those of
// one configuration, one log line per attempted move.
#pragma once

#include <functional>
#include <string>

#include "core/archives/archive_folders.h"

namespace vs {

ArchiveDirectories archiveDirectories(char separator);

using LogLine = std::function<void(const std::string&)>;

// Each returns how many of its moves failed or were refused.
int parkArchives(ArchiveFolders& files, const ArchiveDirectories& dirs, const LogLine& log);
int activateArchives(ArchiveFolders& files, const ArchiveDirectories& dirs, const std::string& vdf,
                     const LogLine& log);

}  // namespace vs
