// Relative and absolute paths resolved the way Windows finds them: each
// component without regard to ASCII case, an exact match first, else the
// first of the names that differ only in case (in name order).
//
// A switch of thousands of archives resolves thousands of paths in the same
// few folders, so each folder is listed once and its listing kept for a
// second (the listings also follow the moves reported here). A later
// operation starts afresh with forget().
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vs {

class CaseInsensitivePaths {
 public:
  // `path` with every component that exists in another case spelled as on
  // disk; from the first component that exists in no case on, unchanged.
  std::string resolve(const std::string& path) { return resolve(path, true); }
  // The same for all but the last component, which stays as written: the
  // name a move gives its target.
  std::string resolveFolders(const std::string& path) { return resolve(path, false); }

  // A listing of `directory` ("" or "dir/"), fresh from a search.
  void remember(std::string directory, const std::vector<std::string>& names);
  // An entry moved from one existing path to another.
  void moved(const std::string& from, const std::string& to);
  void forget() { listings_.clear(); }

 private:
  // The names of one folder by their upper-case spelling; of names equal
  // but for case, `first` comes first in name order.
  struct Spellings {
    std::string first;
    std::vector<std::string> others;
  };
  struct Listing {
    std::chrono::steady_clock::time_point taken;
    std::unordered_map<std::string, Spellings> names;
    void add(const std::string& name);
    void remove(const std::string& name);
    // The entry `name` stands for: itself, else its first other spelling.
    const std::string* find(const std::string& name) const;
  };

  std::string resolve(const std::string& path, bool last);
  const Listing& listing(const std::string& directory);

  std::unordered_map<std::string, Listing> listings_;
};

}  // namespace vs
