#include "os/posix/program_search.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "os/posix/folder_index.h"

namespace vs {
namespace {

std::vector<std::string> pathDirectories() {
  std::vector<std::string> directories;
  const char* path = std::getenv("PATH");
  if (path == nullptr)
    return directories;
  const std::string all = path;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t colon = all.find(':', begin);
    directories.push_back(all.substr(begin, colon - begin));
    if (colon == std::string::npos)
      return directories;
    begin = colon + 1;
  }
}

// The program file in the working directory, found without regard to case
// as Windows finds it; an exact name first.
std::string programInWorkingDirectory(const std::string& programName) {
  if (programName.find('/') != std::string::npos || ::access(programName.c_str(), F_OK) == 0)
    return programName;
  const FolderIndex index(AT_FDCWD);
  const FolderIndex::Entry* found = index.find(programName);
  return found != nullptr ? found->name : programName;
}

}  // namespace

std::vector<std::string> programCandidates(const std::string& programName) {
  std::vector<std::string> candidates{programInWorkingDirectory(programName)};
  if (programName.find('/') == std::string::npos) {
    for (const std::string& directory : pathDirectories())
      candidates.push_back(joinPath(directory, programName));
  }
  return candidates;
}

std::string findExecutableOnPath(const std::string& name) {
  if (name.empty())
    return {};
  for (const std::string& directory : pathDirectories()) {
    const std::string candidate = joinPath(directory, name);
    if (isExecutableFile(candidate))
      return candidate;
  }
  return {};
}

bool isExecutableFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

std::string joinPath(const std::string& directory, const std::string& name) {
  if (directory.empty() || directory.back() == '/')
    return directory + name;
  return directory + "/" + name;
}

std::string workingDirectory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE)
      return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace vs
