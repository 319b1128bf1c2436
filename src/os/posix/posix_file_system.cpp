#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "os/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "core/text/ascii.h"

namespace vs {
namespace {

// Compared in place: this runs once for every name in the directory.
bool endsWithIgnoringCase(std::string_view name, std::string_view extension) {
  if (name.size() <= extension.size())
    return false;  // "*.mod" needs a name before the dot
  return equalsIgnoringAsciiCase(name.substr(name.size() - extension.size()), extension);
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
    if (!visit(std::string_view(name), *entry))
      break;
  }
  ::closedir(dir);
}

// Pipes, sockets and device nodes, or links to them: opening one can block
// and reading one may never end, and none is a description or an archive.
bool isSpecial(const std::string& directory, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
    case DT_DIR:
      return false;
    case DT_FIFO:
    case DT_SOCK:
    case DT_CHR:
    case DT_BLK:
      return true;
    default:
      break;  // a link or an unknown type: look at what it leads to
  }
  struct stat info;
  const std::string path = directory.empty() ? entry.d_name : directory + "/" + entry.d_name;
  if (::stat(path.c_str(), &info) != 0)
    return false;
  return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

bool exists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

bool sameEntry(const std::string& path, const struct stat& entry) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0 && info.st_dev == entry.st_dev &&
         info.st_ino == entry.st_ino;
}

std::string reason(int error) {
  return std::strerror(error);
}

class DescriptorSource : public ByteSource {
 public:
  explicit DescriptorSource(int fd) : fd_(fd) {}
  ~DescriptorSource() override { ::close(fd_); }
  DescriptorSource(const DescriptorSource&) = delete;
  DescriptorSource& operator=(const DescriptorSource&) = delete;

  std::size_t read(char* into, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(fd_, into, size);
      if (got >= 0)
        return static_cast<std::size_t>(got);
      if (errno != EINTR)
        return 0;
    }
  }

 private:
  int fd_;
};

}  // namespace

std::vector<std::string> PosixFileSystem::findByExtension(const std::string& directory,
                                                          const std::string& extension) {
  std::vector<std::string> names;
  forEachEntry(directory, [&](std::string_view name, const dirent& entry) {
    if (endsWithIgnoringCase(name, extension) && !isSpecial(directory, entry))
      names.emplace_back(name);
    return true;
  });
  return names;
}

std::string PosixFileSystem::resolveExisting(const std::string& path) {
  if (exists(path))
    return path;
  const auto cut = path.find_last_of('/');
  const std::string directory = cut == std::string::npos ? "" : path.substr(0, cut + 1);
  const std::string_view wanted =
      cut == std::string::npos ? std::string_view(path) : std::string_view(path).substr(cut + 1);
  std::optional<std::string> found;
  forEachEntry(directory, [&](std::string_view name, const dirent&) {
    if (equalsIgnoringAsciiCase(name, wanted) && (!found || name < *found))
      found = std::string(name);
    return true;
  });
  return found ? directory + *found : path;
}

std::unique_ptr<ByteSource> PosixFileSystem::openForReading(const std::string& path) {
  // Non-blocking, so a pipe put in a file's place after the search cannot
  // hang the launcher; a regular file reads as ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return nullptr;
  return std::make_unique<DescriptorSource>(fd);
}

std::optional<std::string> PosixFileSystem::moveNoReplace(const std::string& from,
                                                          const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return std::nullopt;
  const int error = errno;
  if (error != EINVAL && error != ENOSYS && error != ENOTSUP)
    return reason(error);
  return moveWithoutRenameFlag(from, to);
}

std::optional<std::string> moveWithoutRenameFlag(const std::string& from, const std::string& to) {
  struct stat source;
  if (::lstat(from.c_str(), &source) != 0)
    return reason(errno);

  if (S_ISDIR(source.st_mode)) {
    // mkdir fails on any existing entry; rename then only replaces our own
    // empty directory, and a failed rename leaves nothing but that to remove.
    if (::mkdir(to.c_str(), 0700) != 0)
      return reason(errno);
    if (::rename(from.c_str(), to.c_str()) != 0) {
      const int renameError = errno;
      ::rmdir(to.c_str());  // removes only an empty directory
      return reason(renameError);
    }
    return std::nullopt;
  }

  if (::link(from.c_str(), to.c_str()) != 0)
    return reason(errno);
  if (::unlink(from.c_str()) != 0) {
    const int unlinkError = errno;
    // Take the new name back only while the old one still holds the same
    // entry; otherwise the new name may be the last one left.
    if (sameEntry(from, source) && sameEntry(to, source))
      ::unlink(to.c_str());
    return reason(unlinkError);
  }
  return std::nullopt;
}

}  // namespace vs
