#include "core/text/name_order.h"

#include <algorithm>

namespace vs {

std::string upperAscii(std::string text) {
  for (char& c : text) c = upperAscii(c);
  return text;
}

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

void sortInNameOrder(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return nameOrderLess(a, b); });
}

}  // namespace vs
