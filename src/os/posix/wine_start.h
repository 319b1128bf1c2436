// Starting a Windows program from Linux through Wine, so that it gets the
// very command line the Windows build gives it. Wine rebuilds a program's
// command line from its argument list (quoting it, the program's full path
// first), so the line goes to a small Windows relay instead, which hands it
// to CreateProcessA unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vs {

// The relay's file name; it is installed beside the launcher.
inline constexpr const char* kWineRelayName = "VornakStarterRelay.exe";

// Whether the file begins with "MZ", as every Windows program does.
bool isWindowsProgram(const std::string& path);

// The Wine prefix that holds `directory`: the nearest of it and its
// ancestors that has drive_c/ and system.reg; empty when there is none.
std::string enclosingWinePrefix(const std::string& directory);

// Two lower-case hex digits a byte: no blank, quote or backslash of the
// text can then be changed on the way through Wine's argument list.
std::string hexEncode(std::string_view bytes);

// The argument list of `wine`: the relay, the program's Unix path and the
// command line the program is to get, in the locale's ANSI code page.
std::vector<std::string> wineRelayArguments(const std::string& relay, const std::string& program,
                                            const std::string& commandLine);

// The environment the launcher has, with WINEPREFIX set to the prefix that
// holds `launcherDirectory` when it is unset and there is one.
std::vector<std::string> wineEnvironment(const std::string& launcherDirectory);

}  // namespace vs
