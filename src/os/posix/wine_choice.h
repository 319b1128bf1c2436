// What a Windows program started from Linux runs with: which Wine, which
// prefix, and so which of the two relays.
#pragma once

#include <string>

namespace vs {

// The Wine program: WINE when it is set (an absolute path, or a name looked
// up on PATH), else the first wine on PATH. 0 with `wine` set, or
// kNoWineFound / kWineNotRunnable.
int findWine(std::string& wine);

// The Wine prefix that holds `directory`: the nearest of it and its
// ancestors that has drive_c/ and system.reg; empty when there is none.
std::string enclosingWinePrefix(const std::string& directory);

// The prefix Wine will use for a game in `gameDirectory`: WINEPREFIX, else
// the prefix that holds the game, else Wine's default under the home folder.
std::string winePrefixFor(const std::string& gameDirectory);

// Whether the prefix is a 32-bit one, by the head of its system.reg. A
// missing, unreadable or odd file counts as 64-bit.
bool isWin32Prefix(const std::string& prefix);

}  // namespace vs
