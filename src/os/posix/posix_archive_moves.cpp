#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "os/posix/posix_archive_moves.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/text/ascii.h"
#include "core/text/name_order.h"

namespace vs {
namespace {

std::optional<std::string> outcome(int error) {
  if (error == 0)
    return std::nullopt;
  return std::string(std::strerror(error));
}

// Views of the names that `ends` closes in `names`, where each name is
// followed by a NUL byte.
std::vector<std::string_view> views(const std::string& names,
                                    const std::vector<std::size_t>& ends) {
  std::vector<std::string_view> result;
  result.reserve(ends.size());
  std::size_t begin = 0;
  for (const std::size_t end : ends) {
    result.emplace_back(names.data() + begin, end - begin);
    begin = end + 1;
  }
  return result;
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
  names_.clear();
  folderNames_.clear();
  std::vector<std::size_t> ends;
  if (data_.fd() >= 0) {
    forEachEntry(data_.fd(), [&](const char* name, unsigned char type) {
      const std::string_view entry(name);
      if (!parkingInData_.empty() && equalsIgnoringAsciiCase(entry, parkingInData_))
        folderNames_.emplace_back(entry);
      if (!endsWithIgnoringAsciiCase(entry, extension) || isSpecialEntry(data_.fd(), name, type))
        return;
      names_.append(entry);
      ends.push_back(names_.size());
      names_.push_back('\0');
    });
    dataListed_ = true;
  }
  std::vector<std::string_view> names = views(names_, ends);
  sortInNameOrder(names);
  return names;
}

const OpenFolder& PosixArchiveMoves::parking() {
  if (parkingOpened_)
    return parking_;
  parkingOpened_ = true;
  if (parkingInData_.empty()) {
    parking_ = OpenFolder(parkingPath_);
  } else if (!dataListed_) {
    parking_ = OpenFolder(data_, parkingInData_);
  } else {
    // The listing just taken already holds every spelling of it.
    parking_ = OpenFolder(data_, parkingInData_, &folderNames_);
  }
  return parking_;
}

std::optional<std::string> PosixArchiveMoves::park(std::string_view name) {
  if (data_.fd() < 0)
    return outcome(data_.error());
  const OpenFolder& to = parking();
  if (to.fd() < 0)
    return outcome(to.error());
  const char* const entry = terminated(name);
  return outcome(moveNoReplaceAt(data_.fd(), entry, to.fd(), entry));
}

std::optional<std::string> PosixArchiveMoves::bringBack(std::string_view name) {
  const OpenFolder& from = parking();
  if (from.fd() < 0)
    return outcome(from.error());
  if (data_.fd() < 0)
    return outcome(data_.error());
  if (!parkingListed_) {
    const char* const entry = terminated(name);
    const int error = moveNoReplaceAt(from.fd(), entry, data_.fd(), entry);
    if (error != ENOENT)
      return outcome(error);
    listParking();
  }
  return outcome(bringBackListed(name));
}

// In name order, which sorts by the capitals first: the spellings of one
// name lie side by side.
void PosixArchiveMoves::listParking() {
  parkingListed_ = true;
  std::vector<std::size_t> ends;
  forEachEntry(parking_.fd(), [&](const char* name, unsigned char) {
    parkedNames_.append(name);
    ends.push_back(parkedNames_.size());
    parkedNames_.push_back('\0');
  });
  parkedCapitals_.resize(parkedNames_.size());
  std::transform(parkedNames_.begin(), parkedNames_.end(), parkedCapitals_.begin(),
                 [](char c) { return upperAscii(c); });
  std::vector<std::string_view> names = views(parkedNames_, ends);
  sortInNameOrder(names);
  parked_.clear();
  parked_.reserve(names.size());
  for (const std::string_view name : names) {
    const auto at = static_cast<std::size_t>(name.data() - parkedNames_.data());
    parked_.push_back({std::string_view(parkedCapitals_).substr(at, name.size()), name});
  }
}

// The listing decides which spelling moves: the exact one, else the first
// other. What we moved away is marked gone; a name that has gone meanwhile
// without us gives way to the next spelling.
int PosixArchiveMoves::bringBackListed(std::string_view name) {
  capitals_.resize(name.size());
  std::transform(name.begin(), name.end(), capitals_.begin(), [](char c) { return upperAscii(c); });
  const std::string_view key = capitals_;
  const auto [first, last] =
      std::equal_range(parked_.begin(), parked_.end(), Parked{key, {}},
                       [](const Parked& a, const Parked& b) { return a.capitals < b.capitals; });
  const char* const target = terminated(name);
  bool tried = false;
  for (const bool exact : {true, false}) {
    for (auto it = first; it != last; ++it) {
      if (it->gone || (it->name == name) != exact)
        continue;
      tried = true;
      // The listing's names end in a NUL byte: each is a C string as it stands.
      const int error = moveNoReplaceAt(parking_.fd(), it->name.data(), data_.fd(), target);
      if (error != ENOENT) {
        it->gone = error == 0;
        return error;
      }
      it->gone = true;
    }
  }
  if (tried)
    return ENOENT;
  // Not listed in any case: perhaps it came after the listing.
  return moveNoReplaceAt(parking_.fd(), target, data_.fd(), target);
}

const char* PosixArchiveMoves::terminated(std::string_view name) {
  name_.assign(name);
  return name_.c_str();
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
