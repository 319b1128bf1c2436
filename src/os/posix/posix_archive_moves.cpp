#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "os/posix/posix_archive_moves.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vs {
namespace {

std::optional<std::string> outcome(int error) {
  if (error == 0)
    return std::nullopt;
  return std::string(std::strerror(error));
}

bool sameEntry(int folder, const char* name, const struct stat& entry) {
  struct stat info;
  return ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && info.st_dev == entry.st_dev &&
         info.st_ino == entry.st_ino;
}

}  // namespace

PosixArchiveMoves::PosixArchiveMoves(const ArchiveDirectories& dirs)
    : parkingPath_(dirs.parking), data_(dirs.data) {
  // The usual parking folder lies right inside the data folder: it is
  // opened from there, and its spelling found in the data folder's listing.
  if (parkingPath_.size() > dirs.data.size() + 1 && parkingPath_.starts_with(dirs.data) &&
      parkingPath_.back() == '/') {
    const std::string rest =
        parkingPath_.substr(dirs.data.size(), parkingPath_.size() - dirs.data.size() - 1);
    if (rest.find('/') == std::string::npos && rest != "." && rest != "..")
      parkingInData_ = rest;
  }
}

std::vector<std::string_view> PosixArchiveMoves::parkable(std::string_view extension) {
  if (data_.fd() < 0)
    return {};
  dataIndex_.emplace(data_.fd());
  return namesByExtension(data_.fd(), *dataIndex_, extension);
}

const OpenFolder& PosixArchiveMoves::parking() {
  if (parkingOpened_)
    return parking_;
  parkingOpened_ = true;
  if (parkingInData_.empty())
    parking_ = OpenFolder(parkingPath_);
  else  // the data folder's index, when taken, holds every spelling of it
    parking_ = OpenFolder(data_, parkingInData_, dataIndex_ ? &*dataIndex_ : nullptr);
  return parking_;
}

std::optional<std::string> PosixArchiveMoves::park(std::string_view name) {
  if (data_.fd() < 0)
    return outcome(data_.error());
  const OpenFolder& to = parking();
  if (to.fd() < 0)
    return outcome(to.error());
  const std::string entry(name);
  return outcome(moveNoReplaceAt(data_.fd(), entry.c_str(), to.fd(), entry.c_str()));
}

std::optional<std::string> PosixArchiveMoves::bringBack(std::string_view name) {
  const OpenFolder& from = parking();
  if (from.fd() < 0)
    return outcome(from.error());
  if (data_.fd() < 0)
    return outcome(data_.error());
  if (!parkingIndex_) {
    const std::string entry(name);
    const int error = moveNoReplaceAt(from.fd(), entry.c_str(), data_.fd(), entry.c_str());
    if (error != ENOENT)
      return outcome(error);
    parkingIndex_.emplace(from.fd());
    gone_.assign(parkingIndex_->entries().size(), false);
  }
  return outcome(bringBackListed(name));
}

// The index decides which spelling moves: the exact one, else the first
// other. What we moved away is marked gone; a name that has gone meanwhile
// without us gives way to the next spelling.
int PosixArchiveMoves::bringBackListed(std::string_view name) {
  const std::string target(name);
  const std::span<const FolderIndex::Entry> spellings = parkingIndex_->sameButForCase(name);
  bool tried = false;
  for (const bool exact : {true, false}) {
    for (const FolderIndex::Entry& entry : spellings) {
      const auto at = static_cast<std::size_t>(&entry - parkingIndex_->entries().data());
      if (gone_[at] || (entry.name == name) != exact)
        continue;
      tried = true;
      const int error =
          moveNoReplaceAt(parking_.fd(), entry.name.c_str(), data_.fd(), target.c_str());
      if (error != ENOENT) {
        gone_[at] = error == 0;
        return error;
      }
      gone_[at] = true;
    }
  }
  if (tried)
    return ENOENT;
  // Not listed in any case: perhaps it came after the listing.
  return moveNoReplaceAt(parking_.fd(), target.c_str(), data_.fd(), target.c_str());
}

int moveNoReplaceAt(int fromFolder, const char* from, int toFolder, const char* to) {
  if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
    return 0;
  const int error = errno;
  if (error != EINVAL && error != ENOSYS && error != ENOTSUP)
    return error;
  return moveWithoutRenameFlag(fromFolder, from, toFolder, to);
}

int moveWithoutRenameFlag(int fromFolder, const char* from, int toFolder, const char* to) {
  struct stat source;
  if (::fstatat(fromFolder, from, &source, AT_SYMLINK_NOFOLLOW) != 0)
    return errno;

  if (S_ISDIR(source.st_mode)) {
    // mkdir fails on any existing entry; rename then only replaces our own
    // empty directory, and a failed rename leaves nothing but that to remove.
    if (::mkdirat(toFolder, to, 0700) != 0)
      return errno;
    if (::renameat(fromFolder, from, toFolder, to) != 0) {
      const int renameError = errno;
      ::unlinkat(toFolder, to, AT_REMOVEDIR);  // removes only an empty directory
      return renameError;
    }
    return 0;
  }

  if (::linkat(fromFolder, from, toFolder, to, 0) != 0)
    return errno;
  if (::unlinkat(fromFolder, from, 0) != 0) {
    const int unlinkError = errno;
    // Take the new name back only while the old one still holds the same
    // entry; otherwise the new name may be the last one left.
    if (sameEntry(fromFolder, from, source) && sameEntry(toFolder, to, source))
      ::unlinkat(toFolder, to, 0);
    return unlinkError;
  }
  return 0;
}

}  // namespace vs
