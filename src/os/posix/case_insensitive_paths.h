// Paths resolved the way Windows finds them: each component without regard
// to ASCII case, an exact match first, else the first of the names that
// differ only in case (in name order).
//
// A scan of thousands of files resolves paths in the same folder, so a
// folder's spelling on disk and a folder's listing are each found once and
// kept for a second; a later operation starts afresh with forget().
#pragma once

#include <chrono>
#include <string>
#include <unordered_map>
#include <vector>

namespace vs {

class CaseInsensitivePaths {
 public:
  // `directory` ("" for the working directory, else ending in "/") with
  // every component that exists in another case spelled as on disk; from the
  // first component that exists in no case on, unchanged.
  const std::string& folder(const std::string& directory);
  // `path` resolved in full: its folder, then its last component.
  std::string resolve(const std::string& path);
  void forget();

 private:
  using Clock = std::chrono::steady_clock;
  // The names of one folder by their upper-case spelling; of names equal
  // but for case, `first` comes first in name order.
  struct Spellings {
    std::string first;
    std::vector<std::string> others;
  };
  struct Listing {
    Clock::time_point taken;
    std::unordered_map<std::string, Spellings> names;
    void add(const std::string& name);
    // The entry `name` stands for: itself, else its first other spelling.
    const std::string* find(const std::string& name) const;
  };
  struct Folder {
    Clock::time_point taken;
    std::string onDisk;
  };

  // The entry of the resolved folder `directory` that `name` stands for, or
  // null when there is none in any case.
  const std::string* entry(const std::string& directory, const std::string& name);
  const Listing& listing(const std::string& directory);

  std::unordered_map<std::string, Folder> folders_;
  std::unordered_map<std::string, Listing> listings_;
};

}  // namespace vs
