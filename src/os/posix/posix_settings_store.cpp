#include "os/posix/posix_settings_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "core/settings/reg_file.h"
#include "core/settings/settings_key.h"
#include "core/text/ascii.h"

namespace vs {
namespace {

constexpr const char* kMaker = kSettingsMaker;
const std::string kFileName = std::string(kSettingsProgram) + ".reg";
const std::string kKey = "HKEY_CURRENT_USER\\" + settingsKeyPath();

bool isAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

std::optional<std::filesystem::path> passwordHome() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !isAbsolute(found->pw_dir)) {
    return std::nullopt;
  }
  return std::filesystem::path(found->pw_dir);
}

enum class ReadStatus { ok, missing, failed };

// The whole file and, from the descriptor it was read through, its status.
ReadStatus readWhole(const std::filesystem::path& path, std::string& text, struct stat& info) {
  text.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT ? ReadStatus::missing : ReadStatus::failed;
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return ReadStatus::failed;
  }
  if (info.st_size > 0)
    text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0) {
      ::close(fd);
      return ReadStatus::failed;
    }
    if (got == 0)
      break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return ReadStatus::ok;
}

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

// The file a save replaces: a linked settings file stays linked, so the file
// it names is replaced. Nullopt when the link leads nowhere.
std::optional<std::filesystem::path> replacementTarget(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_symlink(file, error))
    return file;
  auto resolved = std::filesystem::canonical(file, error);
  if (error)
    return std::nullopt;
  return resolved;
}

// The temporary file of a save: the target's name, a dot and six letters or
// digits that mkostemp fills in.
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

// A save killed halfway leaves its temporary file behind. One that has not
// changed for a minute belongs to no save still running, ours or another
// launcher's; only regular files of that name are taken.
void removeLeftovers(const std::filesystem::path& target) {
  constexpr std::time_t kSettledSeconds = 60;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory < 0)
    return;
  DIR* entries = ::fdopendir(directory);
  if (entries == nullptr) {
    ::close(directory);
    return;
  }
  const std::string targetName = target.filename().string();
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(entries)) {
    if (!isTemporaryName(entry->d_name, targetName))
      continue;
    struct stat info {};
    if (::fstatat(directory, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && now - info.st_mtime > kSettledSeconds) {
      ::unlinkat(directory, entry->d_name, 0);
    }
  }
  ::closedir(entries);
}

// Replaces `file` with `text` so that a crash at any moment leaves the old
// file or the new one whole: a temporary file beside it, flushed, renamed over
// it, and the directory flushed so that the rename itself lasts.
bool replaceFile(const std::filesystem::path& file, const std::string& text, struct stat& written) {
  const auto resolved = replacementTarget(file);
  if (!resolved)
    return false;
  const std::filesystem::path& target = *resolved;
  std::string temporary = target.string() + std::string(kTemporarySuffix);
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0)
    return false;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0)
    ::fchmod(fd, old.st_mode & 07777);
  // The status after the flush is the renamed file's too: a rename keeps both.
  const bool complete = writeAll(fd, text) && ::fsync(fd) == 0 && ::fstat(fd, &written) == 0;
  if (::close(fd) != 0 || !complete || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  const int directory = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> settingsFilePath(const char* xdgConfigHome, const char* home) {
  std::filesystem::path config;
  if (isAbsolute(xdgConfigHome))
    config = xdgConfigHome;
  else if (isAbsolute(home))
    config = std::filesystem::path(home) / ".config";
  else
    return std::nullopt;
  return config / kMaker / kFileName;
}

std::optional<std::filesystem::path> userSettingsFile() {
  if (auto file = settingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")))
    return file;
  if (auto home = passwordHome())
    return *home / ".config" / kMaker / kFileName;
  return std::nullopt;
}

PosixSettingsStore::PosixSettingsStore() : file_(userSettingsFile()) {}

PosixSettingsStore::PosixSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

PosixSettingsStore::Identity PosixSettingsStore::identityOf(const struct stat& info) {
  return {static_cast<unsigned long long>(info.st_dev),
          static_cast<unsigned long long>(info.st_ino),
          static_cast<unsigned long long>(info.st_size), info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

const reg::RegFile* PosixSettingsStore::current() {
  struct stat info {};
  if (::stat(file_->c_str(), &info) == 0 && seen_ && *seen_ == identityOf(info))
    return &parsed_;
  seen_.reset();
  std::string text;
  switch (readWhole(*file_, text, info)) {
    case ReadStatus::failed:
      return nullptr;
    case ReadStatus::missing:
      parsed_ = reg::RegFile::parse("");
      return &parsed_;
    case ReadStatus::ok:
      break;
  }
  parsed_ = reg::RegFile::parse(text);
  seen_ = identityOf(info);
  return &parsed_;
}

bool PosixSettingsStore::save(reg::RegFile file) {
  file.ensureHeader();
  struct stat info {};
  if (!replaceFile(*file_, file.text(), info)) {
    seen_.reset();
    return false;
  }
  parsed_ = std::move(file);
  seen_ = identityOf(info);
  return true;
}

bool PosixSettingsStore::createOrOpenKey() {
  open_ = false;
  seen_.reset();
  if (!file_)
    return false;
  std::error_code error;
  std::filesystem::create_directories(file_->parent_path(), error);
  if (error)
    return false;
  const reg::RegFile* file = current();
  if (!file)
    return false;
  if (!file->hasKey(kKey)) {
    reg::RegFile changed = std::move(parsed_);
    seen_.reset();
    changed.addKey(kKey);
    if (!save(std::move(changed)))
      return false;
  }
  open_ = true;
  return true;
}

reg::Value* PosixSettingsStore::pendingValue(const std::string& name) {
  for (Pending& pending : pending_) {
    if (equalsIgnoringAsciiCase(pending.name, name))
      return &pending.value;
  }
  return nullptr;
}

QueryResult PosixSettingsStore::queryBinary(const std::string& name, std::size_t bufferSize,
                                            std::vector<std::uint8_t>& data) {
  if (!open_)
    return QueryResult::failed;
  reg::Lookup found;
  if (const reg::Value* value = pendingValue(name)) {
    found = {reg::Lookup::found, *value};
  } else if (const reg::RegFile* file = current()) {
    found = file->find(kKey, name);
  } else {
    return QueryResult::failed;
  }
  if (found.state == reg::Lookup::missing)
    return QueryResult::missing;
  if (found.state == reg::Lookup::unreadable)
    return QueryResult::failed;
  if (found.value.data.size() > bufferSize)
    return QueryResult::tooLong;
  if (found.value.type != reg::kBinary)
    return QueryResult::wrongType;
  data = found.value.data;
  return QueryResult::ok;
}

bool PosixSettingsStore::setBinary(const std::string& name, const std::vector<std::uint8_t>& data) {
  if (!open_)
    return false;
  reg::Value value{reg::kBinary, data};
  if (reg::Value* waiting = pendingValue(name))
    *waiting = std::move(value);
  else
    pending_.push_back({name, std::move(value)});
  return true;
}

// The values are laid over the file as it is on disk now, so that what
// another launcher or the user wrote since it was read is kept.
bool PosixSettingsStore::commit() {
  if (!open_)
    return false;
  if (const auto target = replacementTarget(*file_))
    removeLeftovers(*target);
  std::vector<Pending> pending = std::move(pending_);
  pending_.clear();
  if (pending.empty())
    return true;
  const reg::RegFile* file = current();
  if (!file)
    return false;
  const bool changes = std::any_of(pending.begin(), pending.end(), [&](const Pending& p) {
    const reg::Lookup found = file->find(kKey, p.name);
    return found.state != reg::Lookup::found || found.value != p.value;
  });
  if (!changes)
    return true;  // spare the disk a rewrite
  reg::RegFile changed = std::move(parsed_);
  seen_.reset();  // the kept parse is being changed; it is the disk's again once saved
  for (const Pending& p : pending) changed.set(kKey, p.name, p.value);
  return save(std::move(changed));
}

}  // namespace vs
