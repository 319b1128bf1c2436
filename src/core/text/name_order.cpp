#include "core/text/name_order.h"

#include <algorithm>

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

void sortInNameOrder(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return nameOrderLess(a, b); });
}

}  // namespace vs
