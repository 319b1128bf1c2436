#include "mods/ini_line.h"

#include <cstdint>
#include <cstdlib>

#include "mods/mod_list_rules.h"

namespace vs {
namespace {

constexpr const char* kTrimSet = " ;\n\r";

struct KeyName {
  const char* name;
  IniKey key;
};

// Tested in this order; the first that matches takes the line.
const KeyName kKeys[] = {
    {"title", IniKey::title},     {"vdf", IniKey::vdf},
    {"version", IniKey::version}, {"description", IniKey::description},
    {"authors", IniKey::authors}, {"webpage", IniKey::webpage},
    {"icon", IniKey::icon},
};

constexpr std::size_t kLongestKey = 11;  // "description"

}  // namespace

bool isInfoHeader(std::string_view piece) {
  constexpr std::string_view header = "[info]";
  for (std::size_t at = piece.find('['); at != std::string_view::npos;
       at = piece.find('[', at + 1)) {
    if (piece.size() - at < header.size())
      return false;
    if (lowerAscii(std::string(piece.substr(at, header.size()))) == header)
      return true;
  }
  return false;
}

std::string_view trimIniText(std::string_view text) {
  const auto first = text.find_first_not_of(kTrimSet);
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(kTrimSet);
  return text.substr(first, last - first + 1);
}

std::optional<KeyLine> parseKeyLine(std::string_view piece) {
  const auto equals = piece.find('=');
  if (equals == std::string_view::npos || equals == 0)
    return std::nullopt;
  // The trim set holds no letter, so trimming before lowering gives the same key.
  const std::string_view key = trimIniText(piece.substr(0, equals));
  if (key.size() > kLongestKey)
    return std::nullopt;
  const std::string lowered = lowerAscii(std::string(key));
  for (const auto& candidate : kKeys) {
    if (lowered == candidate.name)
      return KeyLine{candidate.key, std::string(trimIniText(piece.substr(equals + 1)))};
  }
  return std::nullopt;
}

std::int32_t iniAtoi(const std::string& text) {
  // strtol saturates instead of overflowing; the value is then cut to 32 bits
  // the way the runtime's atoi leaves it.
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > INT32_MAX)
    return INT32_MAX;
  if (value < INT32_MIN)
    return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

}  // namespace vs
