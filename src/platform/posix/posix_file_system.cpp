#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "mods/mod_list_rules.h"

namespace vs {
namespace {

bool endsWithIgnoringCase(const std::string& name, const std::string& extension) {
  if (name.size() <= extension.size())
    return false;  // "*.mod" needs a name before the dot
  return lowerAscii(name.substr(name.size() - extension.size())) == lowerAscii(extension);
}

// Names of a directory; "." and ".." are not entries of it.
template <class Visit>
void forEachEntry(const std::string& directory, Visit visit) {
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr)
    return;
  while (const dirent* entry = ::readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
      continue;
    if (!visit(std::string(name)))
      break;
  }
  ::closedir(dir);
}

bool exists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

std::string reason(int error) {
  return std::strerror(error);
}

}  // namespace

std::vector<std::string> PosixFileSystem::findByExtension(const std::string& directory,
                                                          const std::string& extension) {
  std::vector<std::string> names;
  forEachEntry(directory, [&](const std::string& name) {
    if (endsWithIgnoringCase(name, extension))
      names.push_back(name);
    return true;
  });
  return names;
}

std::string PosixFileSystem::resolveExisting(const std::string& path) {
  if (exists(path))
    return path;
  const auto cut = path.find_last_of('/');
  const std::string directory = cut == std::string::npos ? "" : path.substr(0, cut + 1);
  const std::string wanted = lowerAscii(cut == std::string::npos ? path : path.substr(cut + 1));
  std::string found;
  forEachEntry(directory, [&](const std::string& name) {
    if (lowerAscii(name) != wanted)
      return true;
    found = directory + name;
    return false;
  });
  return found.empty() ? path : found;
}

std::optional<std::string> PosixFileSystem::moveNoReplace(const std::string& from,
                                                          const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return std::nullopt;
  }
  const int error = errno;
  if (error != EINVAL && error != ENOSYS && error != ENOTSUP)
    return reason(error);

  // The file system refuses the flag: a hard link cannot replace either, and
  // the source goes only once the link stands.
  struct stat info;
  if (::lstat(from.c_str(), &info) != 0)
    return reason(errno);
  if (S_ISDIR(info.st_mode)) {
    if (exists(to))
      return reason(EEXIST);
    if (::rename(from.c_str(), to.c_str()) != 0)
      return reason(errno);
    return std::nullopt;
  }
  if (::link(from.c_str(), to.c_str()) != 0)
    return reason(errno);
  if (::unlink(from.c_str()) != 0) {
    const int unlinkError = errno;
    ::unlink(to.c_str());  // the source is still there; take the second name back
    return reason(unlinkError);
  }
  return std::nullopt;
}

}  // namespace vs
