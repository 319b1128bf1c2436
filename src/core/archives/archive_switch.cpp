#include "core/archives/archive_switch.h"

#include <algorithm>
#include <string_view>

#include "core/archives/archive_list.h"

namespace vs {
namespace {

constexpr std::string_view kParkArrow = " --> ";
constexpr std::string_view kActivateArrow = " <-- ";
constexpr std::string_view kArchiveExtension = ".mod";

// A listed name must stay inside the two directories.
bool isPlainFileName(std::string_view name) {
  return std::none_of(name.begin(), name.end(), [](char c) { return c == '/' || c == '\\'; }) &&
         name != "." && name != "..";
}

// data path, arrow, parking path: written into one buffer that every line of
// an operation reuses.
void composeLine(std::string& line, const ArchiveDirectories& dirs, std::string_view name,
                 std::string_view arrow) {
  line.assign(dirs.data).append(name).append(arrow).append(dirs.parking).append(name);
}

// One for a failed move, so callers can count them.
int appendOutcome(std::string& line, const std::optional<std::string>& failure) {
  if (!failure)
    return 0;
  line.append(" (failed: ").append(*failure).append(")");
  return 1;
}

}  // namespace

ArchiveDirectories archiveDirectories(char separator) {
  const std::string data = std::string("..") + separator + "data" + separator;
  return {data, data + "modvdf" + separator};
}

// The names are collected before the first move, so the moves cannot disturb
// the search; each line follows its move.
int parkArchives(ArchiveFolders& files, const ArchiveDirectories& dirs, const LogLine& log) {
  const auto moves = files.openArchiveMoves(dirs);
  std::string line;
  int failed = 0;
  for (const std::string_view name : moves->parkable(kArchiveExtension)) {
    const auto failure = moves->park(name);
    composeLine(line, dirs, name, kParkArrow);
    failed += appendOutcome(line, failure);
    log(line);
  }
  return failed;
}

int activateArchives(ArchiveFolders& files, const ArchiveDirectories& dirs, const std::string& vdf,
                     const LogLine& log) {
  const std::vector<std::string_view> names = splitArchiveList(vdf);
  if (names.empty())
    return 0;
  const auto moves = files.openArchiveMoves(dirs);
  std::string line;
  int failed = 0;
  for (const std::string_view name : names) {
    if (!isPlainFileName(name)) {
      composeLine(line, dirs, name, kActivateArrow);
      log(line.append(" (refused: not a plain file name)"));
      ++failed;
      continue;
    }
    const auto failure = moves->bringBack(name);
    composeLine(line, dirs, name, kActivateArrow);
    failed += appendOutcome(line, failure);
    log(line);
  }
  return failed;
}

}  // namespace vs
