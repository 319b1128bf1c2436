#include "os/posix/case_insensitive_paths.h"

#include <dirent.h>

#include <algorithm>
#include <cstring>

#include "core/text/name_order.h"

namespace vs {
namespace {

// Long enough for one switch, short enough that a name the user changes
// meanwhile is soon seen.
constexpr std::chrono::seconds kTrusted{1};

bool fresh(std::chrono::steady_clock::time_point taken, std::chrono::steady_clock::time_point now) {
  return taken != std::chrono::steady_clock::time_point{} && now - taken < kTrusted;
}

std::size_t lastSeparator(const std::string& path) {
  const auto cut = path.find_last_of('/');
  return cut == std::string::npos ? 0 : cut + 1;
}

}  // namespace

void CaseInsensitivePaths::Listing::add(const std::string& name) {
  Spellings& spellings = names[upperAscii(name)];
  if (spellings.first.empty()) {
    spellings.first = name;
    return;
  }
  spellings.others.push_back(name);
  if (nameOrderLess(name, spellings.first))
    std::swap(spellings.others.back(), spellings.first);
}

const std::string* CaseInsensitivePaths::Listing::find(const std::string& name) const {
  const auto it = names.find(upperAscii(name));
  if (it == names.end())
    return nullptr;
  const Spellings& spellings = it->second;
  for (const std::string& other : spellings.others)
    if (other == name)
      return &other;
  return &spellings.first;
}

const CaseInsensitivePaths::Listing& CaseInsensitivePaths::listing(const std::string& directory) {
  const auto now = Clock::now();
  Listing& listing = listings_[directory];
  if (fresh(listing.taken, now))
    return listing;
  listing.names.clear();
  listing.taken = now;
  // A folder that cannot be read lists nothing, and is not read again soon.
  if (DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str())) {
    while (const dirent* found = ::readdir(dir)) {
      if (std::strcmp(found->d_name, ".") != 0 && std::strcmp(found->d_name, "..") != 0)
        listing.add(found->d_name);
    }
    ::closedir(dir);
  }
  return listing;
}

const std::string* CaseInsensitivePaths::entry(const std::string& directory,
                                               const std::string& name) {
  return listing(directory).find(name);
}

const std::string& CaseInsensitivePaths::folder(const std::string& directory) {
  const auto now = Clock::now();
  Folder& known = folders_[directory];
  if (fresh(known.taken, now))
    return known.onDisk;
  std::string resolved;
  std::size_t begin = 0;
  if (!directory.empty() && directory.front() == '/') {
    resolved = "/";
    begin = 1;
  }
  bool lost = false;  // a component exists in no case: so do the ones after it
  while (begin < directory.size()) {
    const std::size_t end = std::min(directory.find('/', begin), directory.size());
    const std::string component = directory.substr(begin, end - begin);
    const bool plain = !component.empty() && component != "." && component != "..";
    const std::string* found = plain && !lost ? entry(resolved, component) : nullptr;
    lost = lost || (plain && found == nullptr);
    resolved += found ? *found : component;
    if (end < directory.size())
      resolved += '/';
    begin = end + 1;
  }
  known.taken = now;
  known.onDisk = std::move(resolved);
  return known.onDisk;
}

std::string CaseInsensitivePaths::resolve(const std::string& path) {
  const std::size_t cut = lastSeparator(path);
  const std::string name = path.substr(cut);
  const std::string directory = folder(path.substr(0, cut));
  if (name.empty() || name == "." || name == "..")
    return directory + name;
  const std::string* found = entry(directory, name);
  return directory + (found ? *found : name);
}

void CaseInsensitivePaths::forget() {
  folders_.clear();
  listings_.clear();
}

}  // namespace vs
