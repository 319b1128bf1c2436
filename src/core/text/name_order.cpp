#include "core/text/name_order.h"

#include <algorithm>

namespace vs {

bool nameOrderLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(upperAscii(a[i]));
    const auto y = static_cast<unsigned char>(upperAscii(b[i]));
    if (x != y)
      return x < y;
  }
  if (a.size() != b.size())
    return a.size() < b.size();
  // Equal but for case: the byte order decides, so no two names tie.
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

// A folder of ten thousand archives is sorted at every switch: each name is
// raised to capitals once, and the sort compares whole strings.
void sortInNameOrder(std::vector<std::string>& names) {
  struct Keyed {
    std::string upper;
    std::string name;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) keyed.push_back({upperAscii(name), std::move(name)});
  // std::string compares as unsigned bytes (char_traits<char>::compare).
  std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    if (const int order = a.upper.compare(b.upper); order != 0)
      return order < 0;
    return a.name < b.name;
  });
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].name);
}

}  // namespace vs
