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
#include "core/text/name_order.h"

namespace vs {
namespace {

// Compared in place: this runs once for every name in the directory.
// A name that is only the extension (".mod") matches too, as on Windows.
bool endsWithIgnoringCase(std::string_view name, std::string_view extension) {
  if (name.size() < extension.size())
    return false;
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
    visit(std::string_view(name), *entry);
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

int moveWithoutRenameFlagError(const std::string& from, const std::string& to);

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
  // A search begins an operation: what was seen before may have changed.
  paths_.forget();
  std::vector<std::string> names;
  const std::string& folder = paths_.folder(directory);
  forEachEntry(folder, [&](std::string_view name, const dirent& entry) {
    if (endsWithIgnoringCase(name, extension) && !isSpecial(folder, entry))
      names.emplace_back(name);
  });
  sortInNameOrder(names);
  return names;
}

std::string PosixFileSystem::resolveExisting(const std::string& path) {
  if (exists(path))
    return path;
  const std::string resolved = paths_.resolve(path);
  return resolved != path && exists(resolved) ? resolved : path;
}

std::unique_ptr<ByteSource> PosixFileSystem::openForReading(const std::string& path) {
  // Non-blocking, so a pipe put in a file's place after the search cannot
  // hang the launcher; a regular file reads as ever.
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
  int fd = ::open(path.c_str(), flags);
  if (fd < 0 && errno == ENOENT) {
    if (const std::string resolved = paths_.resolve(path); resolved != path)
      fd = ::open(resolved.c_str(), flags);
  }
  if (fd < 0)
    return nullptr;
  return std::make_unique<DescriptorSource>(fd);
}

std::optional<std::string> PosixFileSystem::moveNoReplace(const std::string& from,
                                                          const std::string& to) {
  // The folders as found on disk, the names as given first; only a missing
  // name is looked for in another case. The target keeps the name it was
  // given.
  std::string source = paths_.resolveFolders(from);
  std::string target = paths_.resolveFolders(to);
  int error = moveOnce(source, target);
  // A second look with fresh listings only when the first found the names
  // and the move still missed them, so a name that is simply absent costs
  // no listing.
  for (int attempt = 0; error == ENOENT && attempt < 2; ++attempt) {
    if (attempt == 1)
      paths_.forget();
    std::string resolvedSource = paths_.resolve(from);
    std::string resolvedTarget = paths_.resolveFolders(to);
    if (resolvedSource == source && resolvedTarget == target)
      break;
    source = std::move(resolvedSource);
    target = std::move(resolvedTarget);
    error = moveOnce(source, target);
  }
  if (error != 0)
    return reason(error);
  return std::nullopt;
}

int PosixFileSystem::moveOnce(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return 0;
  const int error = errno;
  if (error != EINVAL && error != ENOSYS && error != ENOTSUP)
    return error;
  return moveWithoutRenameFlagError(from, to);
}

std::optional<std::string> moveWithoutRenameFlag(const std::string& from, const std::string& to) {
  if (const int error = moveWithoutRenameFlagError(from, to); error != 0)
    return reason(error);
  return std::nullopt;
}

namespace {

int moveWithoutRenameFlagError(const std::string& from, const std::string& to) {
  struct stat source;
  if (::lstat(from.c_str(), &source) != 0)
    return errno;

  if (S_ISDIR(source.st_mode)) {
    // mkdir fails on any existing entry; rename then only replaces our own
    // empty directory, and a failed rename leaves nothing but that to remove.
    if (::mkdir(to.c_str(), 0700) != 0)
      return errno;
    if (::rename(from.c_str(), to.c_str()) != 0) {
      const int renameError = errno;
      ::rmdir(to.c_str());  // removes only an empty directory
      return renameError;
    }
    return 0;
  }

  if (::link(from.c_str(), to.c_str()) != 0)
    return errno;
  if (::unlink(from.c_str()) != 0) {
    const int unlinkError = errno;
    // Take the new name back only while the old one still holds the same
    // entry; otherwise the new name may be the last one left.
    if (sameEntry(from, source) && sameEntry(to, source))
      ::unlink(to.c_str());
    return unlinkError;
  }
  return 0;
}

}  // namespace
}  // namespace vs
