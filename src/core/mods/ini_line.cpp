#include "core/mods/ini_line.h"

#include <cstdint>

#include "core/mods/mod_list_rules.h"

namespace vs {
namespace {

struct KeyName {
  std::string_view name;
  IniKey key;
};

// Tested in this order; the first that matches takes the line.
constexpr KeyName kKeys[] = {
    {"title", IniKey::title},     {"vdf", IniKey::vdf},
    {"version", IniKey::version}, {"description", IniKey::description},
    {"authors", IniKey::authors}, {"webpage", IniKey::webpage},
    {"icon", IniKey::icon},
};

bool isTrimmed(char c) {
  return c == ' ' || c == ';' || c == '\n' || c == '\r';
}

// The blanks the C library's atoi skips.
bool isBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

bool isInfoHeader(std::string_view piece) {
  constexpr std::string_view header = "[info]";
  for (std::size_t at = piece.find('['); at != std::string_view::npos;
       at = piece.find('[', at + 1)) {
    if (piece.size() - at < header.size())
      return false;
    if (equalsIgnoringAsciiCase(piece.substr(at, header.size()), header))
      return true;
  }
  return false;
}

std::string_view trimIniText(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isTrimmed(text[first])) ++first;
  while (last > first && isTrimmed(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::optional<KeyLineView> viewKeyLine(std::string_view piece) {
  const auto equals = piece.find('=');
  if (equals == std::string_view::npos || equals == 0)
    return std::nullopt;
  // The trim set holds no letter, so trimming before lowering gives the same key.
  const std::string_view key = trimIniText(piece.substr(0, equals));
  // Every line of every INI file passes here: the length sorts out most keys
  // before a letter is compared.
  for (const auto& candidate : kKeys) {
    if (key.size() == candidate.name.size() && equalsIgnoringAsciiCase(key, candidate.name))
      return KeyLineView{candidate.key, trimIniText(piece.substr(equals + 1))};
  }
  return std::nullopt;
}

std::optional<KeyLine> parseKeyLine(std::string_view piece) {
  const auto line = viewKeyLine(piece);
  if (!line)
    return std::nullopt;
  return KeyLine{line->key, std::string(line->value)};
}

std::int32_t iniAtoi(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && isBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-'))
    negative = text[at++] == '-';
  // The runtime saturates a value out of range; past 2^31 more digits
  // change nothing.
  constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (value < kLimit)
      value = value * 10 + (text[at] - '0');
  }
  if (negative)
    return value >= kLimit ? INT32_MIN : static_cast<std::int32_t>(-value);
  return value >= kLimit ? INT32_MAX : static_cast<std::int32_t>(value);
}

}  // namespace vs
