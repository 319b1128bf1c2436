// The Windows relays the Linux launcher hands a Windows program's command
// line to, and which of them a Wine prefix can run.
#pragma once

#include <cstddef>
#include <string_view>

namespace vs {

// Installed beside the launcher: one for 64-bit prefixes, one for 32-bit ones
// (a prefix made with WINEARCH=win32 cannot run a 64-bit program).
inline constexpr const char* kWineRelay64Name = "VornakStarterRelay.exe";
inline constexpr const char* kWineRelay32Name = "VornakStarterRelay32.exe";

// Wine writes the prefix's architecture near the top of its system.reg; only
// this much of the file is read, however large it is.
inline constexpr std::size_t kPrefixHeadBytes = 4096;

// Whether the head of a prefix's system.reg has the line "#arch=win32".
// Anything else (win64, no such line, garbage) means a 64-bit prefix.
bool isWin32PrefixHead(std::string_view systemRegHead);

// The relay's file name for a prefix of that kind.
const char* wineRelayName(bool win32Prefix);

}  // namespace vs
