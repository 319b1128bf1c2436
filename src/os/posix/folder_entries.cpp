#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "os/posix/folder_entries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "core/text/ascii.h"
#include "core/text/name_order.h"

namespace vs {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// `name` inside `parent`; a name that is missing in its own spelling is
// looked for among `spellings`, else in the parent's listing.
int openInside(int parent, const std::string& name, const std::vector<std::string>* spellings) {
  const int fd = ::openat(parent, name.c_str(), kFolderFlags);
  if (fd >= 0 || errno != ENOENT || name == "..")
    return fd;
  const std::string spelled =
      spellings != nullptr ? otherSpelling(*spellings, name) : otherSpelling(parent, name);
  if (spelled.empty()) {
    errno = ENOENT;
    return -1;
  }
  return ::openat(parent, spelled.c_str(), kFolderFlags);
}

}  // namespace

int openListing(int folder) {
  // A descriptor of its own, so the listing neither moves nor closes the
  // caller's.
  return ::openat(folder, ".", kFolderFlags);
}

long readEntries(int fd, char* block, std::size_t size) {
  for (;;) {
    const ssize_t got = ::getdents64(fd, block, size);
    if (got >= 0 || errno != EINTR)
      return static_cast<long>(got);
  }
}

void closeListing(int fd) {
  ::close(fd);
}

OpenFolder::OpenFolder(const std::string& path) {
  const char* const whole = path.empty() ? "." : path.c_str();
  fd_ = ::open(whole, kFolderFlags);
  if (fd_ >= 0 || errno != ENOENT || path.empty()) {
    error_ = fd_ >= 0 ? 0 : errno;
    return;
  }
  // Some component exists only in another case: one step at a time.
  int at = ::open(path.front() == '/' ? "/" : ".", kFolderFlags);
  std::size_t begin = 0;
  while (at >= 0 && begin < path.size()) {
    const std::size_t end = std::min(path.find('/', begin), path.size());
    const std::string component = path.substr(begin, end - begin);
    begin = end + 1;
    if (component.empty() || component == ".")
      continue;
    const int next = openInside(at, component, nullptr);
    const int stepError = errno;
    ::close(at);
    at = next;
    errno = stepError;
  }
  fd_ = at;
  error_ = at >= 0 ? 0 : errno;
}

OpenFolder::OpenFolder(const OpenFolder& parent, std::string_view name,
                       const std::vector<std::string>* spellings) {
  if (parent.fd_ < 0) {
    error_ = parent.error_;
    return;
  }
  fd_ = openInside(parent.fd_, std::string(name), spellings);
  error_ = fd_ >= 0 ? 0 : errno;
}

OpenFolder::~OpenFolder() {
  if (fd_ >= 0)
    ::close(fd_);
}

OpenFolder::OpenFolder(OpenFolder&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0)
      ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
  }
  return *this;
}

// Pipes, sockets and device nodes, or links to them: opening one can block
// and reading one may never end, and none is a description or an archive.
bool isSpecialEntry(int folder, const char* name, unsigned char type) {
  switch (type) {
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
  if (::fstatat(folder, name, &info, 0) != 0)
    return false;
  return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

namespace {

void keepFirst(std::string& found, std::string_view candidate, std::string_view name) {
  if (candidate != name && equalsIgnoringAsciiCase(candidate, name) &&
      (found.empty() || nameOrderLess(candidate, found)))
    found.assign(candidate);
}

}  // namespace

std::vector<std::string> listByExtension(int folder, const std::string& extension) {
  std::vector<std::string> names;
  forEachEntry(folder, [&](const char* name, unsigned char type) {
    if (endsWithIgnoringAsciiCase(name, extension) && !isSpecialEntry(folder, name, type))
      names.emplace_back(name);
  });
  sortInNameOrder(names);
  return names;
}

std::string otherSpelling(const std::vector<std::string>& names, std::string_view name) {
  std::string found;
  for (const auto& candidate : names) keepFirst(found, candidate, name);
  return found;
}

std::string otherSpelling(int folder, std::string_view name) {
  std::string found;
  forEachEntry(folder, [&](const char* entry, unsigned char) { keepFirst(found, entry, name); });
  return found;
}

}  // namespace vs
