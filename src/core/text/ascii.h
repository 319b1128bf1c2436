// Letter case the way the game's files and the registry compare names: only
// ASCII A-Z and a-z have a case, every other byte stands for itself.
#pragma once

#include <string>
#include <string_view>

namespace vs {

constexpr char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char upperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string lowerAscii(std::string text);
std::string upperAscii(std::string text);

// Equal once both are lowered that way; compared in place, without copies.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
// Whether `text` ends in `end` that way (`text` equal to `end` too).
bool endsWithIgnoringAsciiCase(std::string_view text, std::string_view end);

}  // namespace vs
