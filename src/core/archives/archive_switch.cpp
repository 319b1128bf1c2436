#include "core/archives/archive_switch.h"

#include "core/archives/archive_list.h"

namespace vs {
namespace {

const char* const kParkArrow = " --> ";
const char* const kActivateArrow = " <-- ";

// A listed name must stay inside the two directories.
bool isPlainFileName(const std::string& name) {
  return name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

std::string outcome(const std::optional<std::string>& failure) {
  return failure ? " (failed: " + *failure + ")" : "";
}

}  // namespace

ArchiveDirectories archiveDirectories(char separator) {
  const std::string data = std::string("..") + separator + "data" + separator;
  return {data, data + "modvdf" + separator};
}

void parkArchives(ArchiveFolders& files, const ArchiveDirectories& dirs, const LogLine& log) {
  // Collected first, so the moves cannot disturb the search.
  for (const std::string& name : files.findByExtension(dirs.data, ".mod")) {
    const std::string dataPath = dirs.data + name;
    const std::string parkingPath = dirs.parking + name;
    log(dataPath + kParkArrow + parkingPath + outcome(files.moveNoReplace(dataPath, parkingPath)));
  }
}

void activateArchives(ArchiveFolders& files, const ArchiveDirectories& dirs, const std::string& vdf,
                      const LogLine& log) {
  for (const std::string& name : splitArchiveList(vdf)) {
    const std::string dataPath = dirs.data + name;
    const std::string parkingPath = dirs.parking + name;
    const std::string line = dataPath + kActivateArrow + parkingPath;
    if (!isPlainFileName(name)) {
      log(line + " (refused: not a plain file name)");
      continue;
    }
    const std::string parked = files.resolveExisting(parkingPath);
    log(line + outcome(files.moveNoReplace(parked, dataPath)));
  }
}

}  // namespace vs
