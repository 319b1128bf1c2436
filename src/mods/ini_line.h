// The pieces of the mod INI format: the header test and one key line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vs {

enum class IniKey { title, vdf, version, description, authors, webpage, icon };

struct KeyLine {
  IniKey key;
  std::string value;  // trimmed, letter case as read
};

// True when the lowered piece contains "[info]".
bool isInfoHeader(const std::string& piece);

// The characters " ;\n\r" (and only these) off both ends.
std::string trimIniText(const std::string& text);

// One of the seven keys with its value; nothing for any other line.
std::optional<KeyLine> parseKeyLine(const std::string& piece);

// atoi: blanks, a sign, digits up to the first other character; 0 without digits.
std::int32_t iniAtoi(const std::string& text);

}  // namespace vs
