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

std::pair<std::string, std::string> splitLast(const std::string& path) {
  const auto cut = path.find_last_of('/');
  if (cut == std::string::npos)
    return {"", path};
  return {path.substr(0, cut + 1), path.substr(cut + 1)};
}

}  // namespace

void CaseInsensitivePaths::Listing::add(const std::string& name) {
  Spellings& spellings = names[upperAscii(name)];
  if (spellings.first.empty()) {
    spellings.first = name;
  } else if (name != spellings.first && std::find(spellings.others.begin(), spellings.others.end(),
                                                  name) == spellings.others.end()) {
    spellings.others.push_back(name);
    if (nameOrderLess(name, spellings.first))
      std::swap(spellings.others.back(), spellings.first);
  }
}

void CaseInsensitivePaths::Listing::remove(const std::string& name) {
  const auto it = names.find(upperAscii(name));
  if (it == names.end())
    return;
  Spellings& spellings = it->second;
  if (spellings.first == name) {
    if (spellings.others.empty()) {
      names.erase(it);
      return;
    }
    const auto next = std::min_element(
        spellings.others.begin(), spellings.others.end(),
        [](const std::string& a, const std::string& b) { return nameOrderLess(a, b); });
    spellings.first = *next;
    spellings.others.erase(next);
    return;
  }
  std::erase(spellings.others, name);
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
  const auto now = std::chrono::steady_clock::now();
  Listing& listing = listings_[directory];
  if (listing.taken != std::chrono::steady_clock::time_point{} && now - listing.taken < kTrusted)
    return listing;
  listing.names.clear();
  listing.taken = now;
  // A folder that cannot be read lists nothing, and is not read again soon.
  if (DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
        listing.add(entry->d_name);
    }
    ::closedir(dir);
  }
  return listing;
}

void CaseInsensitivePaths::remember(std::string directory, const std::vector<std::string>& names) {
  if (!directory.empty() && directory.back() != '/')
    directory += '/';
  Listing& listing = listings_[directory];
  listing.names.clear();
  listing.taken = std::chrono::steady_clock::now();
  for (const std::string& name : names) listing.add(name);
}

void CaseInsensitivePaths::moved(const std::string& from, const std::string& to) {
  const auto [fromDirectory, fromName] = splitLast(from);
  const auto [toDirectory, toName] = splitLast(to);
  if (auto it = listings_.find(fromDirectory); it != listings_.end())
    it->second.remove(fromName);
  if (auto it = listings_.find(toDirectory); it != listings_.end())
    it->second.add(toName);
  // A moved folder takes its own listings along.
  const std::string inside = from + "/";
  std::erase_if(listings_, [&](const auto& entry) { return entry.first.starts_with(inside); });
}

std::string CaseInsensitivePaths::resolve(const std::string& path, bool last) {
  std::string resolved;
  std::size_t begin = 0;
  if (!path.empty() && path.front() == '/') {
    resolved = "/";
    begin = 1;
  }
  bool lost = false;  // a component exists in no case: so do the ones after it
  while (begin <= path.size()) {
    const std::size_t end = std::min(path.find('/', begin), path.size());
    const std::string component = path.substr(begin, end - begin);
    const bool isLast = end == path.size();
    const bool plain = !component.empty() && component != "." && component != "..";
    if (plain && !lost && (last || !isLast)) {
      if (const std::string* found = listing(resolved).find(component))
        resolved += *found;
      else {
        resolved += component;
        lost = true;
      }
    } else {
      resolved += component;
    }
    if (isLast)
      break;
    resolved += '/';
    begin = end + 1;
  }
  return resolved;
}

}  // namespace vs
