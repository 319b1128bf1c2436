#include "core/text/name_order.h"

#include <algorithm>

namespace vs {

bool capitalsLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(upperAscii(x)) < static_cast<unsigned char>(upperAscii(y));
  });
}

bool nameOrderLess(std::string_view a, std::string_view b) {
  // string_view compares as unsigned bytes (char_traits<char>::compare).
  return capitalsLess(a, b) || (!capitalsLess(b, a) && a < b);
}

}  // namespace vs
