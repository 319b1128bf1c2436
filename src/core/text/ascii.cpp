#include "core/text/ascii.h"

namespace vs {

std::string lowerAscii(std::string text) {
  for (char& c : text) c = lowerAscii(c);
  return text;
}

std::string upperAscii(std::string text) {
  for (char& c : text) c = upperAscii(c);
  return text;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i]))
      return false;
  }
  return true;
}

}  // namespace vs
