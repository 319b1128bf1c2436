// The pieces of the mod INI format: the header test and one key line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vs {

enum class IniKey { title, vdf, version, description, authors, webpage, icon };

struct KeyLine {
  IniKey key;
  std::string value;  // trimmed, letter case as read
};

// True when the lowered piece contains "[info]".
bool isInfoHeader(std::string_view piece);

// The characters " ;\n\r" (and only these) off both ends; a view into `text`.
std::string_view trimIniText(std::string_view text);

// A key line whose value is a view into the piece, for the reader's loop.
struct KeyLineView {
  IniKey key;
  std::string_view value;  // trimmed, letter case as read
};

// One of the seven keys with its value; nothing for any other line.
std::optional<KeyLineView> viewKeyLine(std::string_view piece);
std::optional<KeyLine> parseKeyLine(std::string_view piece);

// atoi: blanks, a sign, digits up to the first other character; 0 without digits.
std::int32_t iniAtoi(std::string_view text);

}  // namespace vs
