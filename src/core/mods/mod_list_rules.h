// The rules by which a record becomes a list item and a description text.
#pragma once

#include <string>

#include "core/mods/mod_info.h"
#include "core/text/ascii.h"

namespace vs {

// title + " (" + version + ")"
std::string itemText(const ModInfo& record);

// icon if above 0, else 1; 0 for "vornakgame.ini"; at most imageCount - 1.
int imageIndex(const ModInfo& record, const std::string& loweredName, int imageCount);

// The text of the description panel, lines joined by CR LF.
std::string modDescription(const ModInfo& record);

}  // namespace vs
