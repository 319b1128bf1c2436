#include "os/posix/folder_entries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

#include "core/text/ascii.h"
#include "core/text/path_parts.h"

namespace vs {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// `name` inside `parent` opened with `flags`; a name missing as written is
// looked for in `index`, else in a listing of the parent taken now.
int openInside(int parent, const std::string& name, int flags, const FolderIndex* index) {
  const int fd = ::openat(parent, name.c_str(), flags);
  if (fd >= 0 || errno != ENOENT || name == "." || name == "..")
    return fd;
  std::optional<FolderIndex> own;
  if (index == nullptr)
    index = &own.emplace(parent);
  const FolderIndex::Entry* found = index->find(name);
  if (found == nullptr || found->name == name) {
    errno = ENOENT;
    return -1;
  }
  return ::openat(parent, found->name.c_str(), flags);
}

}  // namespace

OpenFolder::OpenFolder(const std::string& path) {
  fd_ = ::open(path.empty() ? "." : path.c_str(), kFolderFlags);
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
    const int next = openInside(at, component, kFolderFlags, nullptr);
    const int stepError = errno;
    ::close(at);
    at = next;
    errno = stepError;
  }
  fd_ = at;
  error_ = at >= 0 ? 0 : errno;
}

OpenFolder::OpenFolder(const OpenFolder& parent, std::string_view name, const FolderIndex* index) {
  if (parent.fd_ < 0) {
    error_ = parent.error_;
    return;
  }
  fd_ = openInside(parent.fd_, std::string(name), kFolderFlags, index);
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

int openAnyCase(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags);
  if (fd >= 0 || errno != ENOENT)
    return fd;
  const std::size_t cut = nameStart(path);
  const OpenFolder folder(path.substr(0, cut));
  if (folder.fd() < 0) {
    errno = folder.error();
    return -1;
  }
  return openInside(folder.fd(), path.substr(cut), flags, nullptr);
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

std::vector<std::string_view> namesByExtension(int folder, const FolderIndex& index,
                                               std::string_view extension) {
  std::vector<std::string_view> names;
  for (const FolderIndex::Entry& entry : index.entries()) {
    if (endsWithIgnoringAsciiCase(entry.name, extension) &&
        !isSpecialEntry(folder, entry.name.c_str(), entry.type))
      names.emplace_back(entry.name);
  }
  return names;
}

}  // namespace vs
