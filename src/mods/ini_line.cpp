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

}  // namespace

bool isInfoHeader(const std::string& piece) {
  return lowerAscii(piece).find("[info]") != std::string::npos;
}

std::string trimIniText(const std::string& text) {
  const auto first = text.find_first_not_of(kTrimSet);
  if (first == std::string::npos)
    return {};
  const auto last = text.find_last_not_of(kTrimSet);
  return text.substr(first, last - first + 1);
}

std::optional<KeyLine> parseKeyLine(const std::string& piece) {
  const auto equals = piece.find('=');
  if (equals == std::string::npos || equals == 0)
    return std::nullopt;
  const std::string key = trimIniText(lowerAscii(piece.substr(0, equals)));
  for (const auto& candidate : kKeys) {
    if (key == candidate.name)
      return KeyLine{candidate.key, trimIniText(piece.substr(equals + 1))};
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
