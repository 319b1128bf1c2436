#include "core/text/name_order.h"

#include <algorithm>
#include <cstdint>

namespace vs {

// Runs for every comparison of a sort of ten thousand names that mostly
// share a long prefix: the bytes are compared as they are until the first
// difference, and only from there on as capitals.
bool nameOrderLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  const auto [left, right] = std::mismatch(a.begin(), a.begin() + common, b.begin());
  std::size_t i = static_cast<std::size_t>(left - a.begin());
  if (i == common)
    return a.size() < b.size();
  const auto x = static_cast<unsigned char>(*left), y = static_cast<unsigned char>(*right);
  const auto upperX = static_cast<unsigned char>(upperAscii(*left));
  const auto upperY = static_cast<unsigned char>(upperAscii(*right));
  if (upperX != upperY)
    return upperX < upperY;
  // Equal but for case so far: the capitals of the rest decide, then the
  // length, and for names equal but for case the first differing byte.
  for (++i; i < common; ++i) {
    const auto p = static_cast<unsigned char>(upperAscii(a[i]));
    const auto q = static_cast<unsigned char>(upperAscii(b[i]));
    if (p != q)
      return p < q;
  }
  if (a.size() != b.size())
    return a.size() < b.size();
  return x < y;
}

namespace {

// A folder of ten thousand archives is sorted at every switch, and its names
// mostly share a long beginning ("archive000"). Each name is raised to
// capitals once, into one block; the sort compares the eight bytes after the
// beginning all share as one number, and whole names only where those tie.
template <class Name>
void sortByCapitals(std::vector<Name>& names) {
  std::size_t total = 0;
  for (const Name& name : names) total += name.size();
  std::string capitals(total, '\0');
  std::vector<std::string_view> keys;
  keys.reserve(names.size());
  std::size_t at = 0;
  for (const Name& name : names) {
    std::transform(name.begin(), name.end(), capitals.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char c) { return upperAscii(c); });
    keys.push_back(std::string_view(capitals).substr(at, name.size()));
    at += name.size();
  }
  std::size_t shared = keys.empty() ? 0 : keys.front().size();
  for (const std::string_view key : keys) {
    shared = std::min(shared, key.size());
    shared = static_cast<std::size_t>(
        std::mismatch(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(shared),
                      keys.front().begin())
            .first -
        key.begin());
  }

  struct Keyed {
    std::uint64_t window;  // the eight bytes after the shared beginning, first byte highest
    std::size_t index;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(names.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    // Names hold no NUL byte, so a short name's missing bytes, taken as 0,
    // sort it before every longer name it begins.
    std::uint64_t window = 0;
    for (std::size_t b = 0; b < 8; ++b) {
      const std::size_t pos = shared + b;
      window = window << 8 | (pos < keys[i].size() ? static_cast<unsigned char>(keys[i][pos]) : 0u);
    }
    keyed.push_back({window, i});
  }
  // string_view compares as unsigned bytes (char_traits<char>::compare).
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    if (a.window != b.window)
      return a.window < b.window;
    if (const int order = keys[a.index].compare(keys[b.index]); order != 0)
      return order < 0;
    return std::string_view(names[a.index]) < std::string_view(names[b.index]);
  });
  std::vector<Name> sorted;
  sorted.reserve(names.size());
  for (const Keyed& k : keyed) sorted.push_back(std::move(names[k.index]));
  names = std::move(sorted);
}

}  // namespace

void sortInNameOrder(std::vector<std::string>& names) {
  sortByCapitals(names);
}

void sortInNameOrder(std::vector<std::string_view>& names) {
  sortByCapitals(names);
}

}  // namespace vs
