#include "os/posix/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>

#include "os/posix/descriptor_source.h"
#include "os/posix/folder_index.h"
#include "os/posix/unique_fd.h"

namespace vs {
namespace {

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR)
      continue;
    if (wrote <= 0)
      return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

void flushFolder(const std::filesystem::path& folder) {
  const UniqueFd directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory)
    ::fsync(directory.get());
}

// The temporary file of a replacement: the target's name, a dot and six
// letters or digits that mkostemp fills in.
constexpr std::string_view kTemporarySuffix = ".XXXXXX";

bool isTemporaryName(std::string_view name, std::string_view target) {
  if (name.size() != target.size() + kTemporarySuffix.size() ||
      name.substr(0, target.size()) != target || name[target.size()] != '.')
    return false;
  return std::all_of(
      name.begin() + static_cast<std::ptrdiff_t>(target.size()) + 1, name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
      });
}

}  // namespace

ReadStatus readWholeFile(int folder, const char* name, std::string& text, struct stat* info,
                         std::size_t limit) {
  text.clear();
  const UniqueFd fd(::openat(folder, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd)
    return errno == ENOENT ? ReadStatus::missing : ReadStatus::failed;
  if (info != nullptr) {
    if (::fstat(fd.get(), info) != 0)
      return ReadStatus::failed;
    if (info->st_size > 0 && static_cast<std::uintmax_t>(info->st_size) > limit)
      return ReadStatus::tooLarge;
    if (info->st_size > 0)
      text.reserve(static_cast<std::size_t>(info->st_size));
  }
  char buffer[65536];
  for (;;) {
    // Fewer bytes than asked: read() has returned 0.
    const ssize_t got = readUpTo(fd.get(), buffer, sizeof buffer);
    if (got < 0)
      return ReadStatus::failed;
    text.append(buffer, static_cast<std::size_t>(got));
    if (text.size() > limit)
      return ReadStatus::tooLarge;
    if (static_cast<std::size_t>(got) < sizeof buffer)
      return ReadStatus::ok;
  }
}

ReadStatus readWholeFile(const std::filesystem::path& path, std::string& text, struct stat& info) {
  return readWholeFile(AT_FDCWD, path.c_str(), text, &info);
}

std::optional<std::filesystem::path> replacementTarget(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_symlink(file, error))
    return file;
  auto resolved = std::filesystem::canonical(file, error);
  if (error)
    return std::nullopt;
  return resolved;
}

bool replaceFile(const std::filesystem::path& file, const std::string& text, struct stat& written) {
  const auto resolved = replacementTarget(file);
  if (!resolved)
    return false;
  const std::filesystem::path& target = *resolved;
  std::string temporary = target.string() + std::string(kTemporarySuffix);
  UniqueFd fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (!fd)
    return false;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0)
    ::fchmod(fd.get(), old.st_mode & 07777);
  // The status after the flush is the renamed file's too: a rename keeps both.
  const bool complete =
      writeAll(fd.get(), text) && ::fsync(fd.get()) == 0 && ::fstat(fd.get(), &written) == 0;
  if (!fd.close() || !complete || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  flushFolder(target.parent_path());
  return true;
}

bool createNewFile(const std::filesystem::path& file, const std::string& text) {
  UniqueFd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (!fd)
    return false;
  if (!writeAll(fd.get(), text) || ::fsync(fd.get()) != 0 || !fd.close()) {
    ::unlink(file.c_str());
    return false;
  }
  flushFolder(file.parent_path());
  return true;
}

// One that has not changed for a minute belongs to no replacement still
// running, ours or another launcher's; only regular files of that name go.
void removeLeftovers(const std::filesystem::path& target) {
  constexpr std::time_t kSettledSeconds = 60;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const UniqueFd directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory)
    return;
  const std::string targetName = target.filename().string();
  const std::time_t now = std::time(nullptr);
  const FolderIndex index(directory.get());
  for (const FolderIndex::Entry& entry : index.entries()) {
    if (!isTemporaryName(entry.name, targetName))
      continue;
    struct stat info {};
    if (::fstatat(directory.get(), entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && now - info.st_mtime > kSettledSeconds) {
      ::unlinkat(directory.get(), entry.name.c_str(), 0);
    }
  }
}

}  // namespace vs
