// The rules by which a record becomes a list item and a description text.
#pragma once

#include <string>
#include <string_view>

#include "core/mods/mod_info.h"

namespace vs {

// ASCII A-Z lowered, every other byte kept.
constexpr char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string lowerAscii(std::string text);

// Equal once both are lowered that way; compared in place, without copies.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// title + " (" + version + ")"
std::string itemText(const ModInfo& record);

// icon if above 0, else 1; 0 for "vornakgame.ini"; at most imageCount - 1.
int imageIndex(const ModInfo& record, const std::string& loweredName, int imageCount);

// The text of the description panel, lines joined by CR LF.
std::string modDescription(const ModInfo& record);

}  // namespace vs
