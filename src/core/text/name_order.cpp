#include "core/text/name_order.h"

#include <algorithm>

namespace vs {

bool capitalsLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(upperAscii(x)) < static_cast<unsigned char>(upperAscii(y));
  });
}

// One pass: bytes that are the same need no capitals, and the first byte
// that differs only in case decides only when the capitals tie.
bool nameOrderLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  int byteOrder = 0;
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x == y)
      continue;
    const auto upperX = static_cast<unsigned char>(upperAscii(a[i]));
    const auto upperY = static_cast<unsigned char>(upperAscii(b[i]));
    if (upperX != upperY)
      return upperX < upperY;
    if (byteOrder == 0)
      byteOrder = x < y ? -1 : 1;
  }
  if (a.size() != b.size())
    return a.size() < b.size();
  return byteOrder < 0;
}

}  // namespace vs
