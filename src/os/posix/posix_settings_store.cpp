#include "os/posix/posix_settings_store.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "core/settings/reg_file.h"
#include "core/settings/settings_key.h"
#include "core/text/ascii.h"
#include "os/posix/file_replace.h"

namespace vs {
namespace {

const std::string kKey = "HKEY_CURRENT_USER\\" + settingsKeyPath();

}  // namespace

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
  switch (readWholeFile(*file_, text, info)) {
    case ReadStatus::failed:
    case ReadStatus::tooLarge:  // no limit is asked for
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

const reg::RegFile* PosixSettingsStore::reopen() {
  open_ = false;
  seen_.reset();
  return file_ ? current() : nullptr;
}

bool PosixSettingsStore::createOrOpenKey() {
  std::error_code error;
  if (file_)
    std::filesystem::create_directories(file_->parent_path(), error);
  const reg::RegFile* file = reopen();
  if (error || !file)
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

bool PosixSettingsStore::openKeyForReading() {
  const reg::RegFile* file = reopen();
  open_ = file != nullptr && file->hasKey(kKey);
  return open_;
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
