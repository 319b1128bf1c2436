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

bool endsWithIgnoringAsciiCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         equalsIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

}  // namespace vs
