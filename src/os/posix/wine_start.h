// Starting a Windows program from Linux through Wine, so that it gets the
// very command line the Windows build gives it. Wine rebuilds a program's
// command line from its argument list (quoting it, the program's full path
// first), so the line goes to a small Windows relay instead, which hands it
// to CreateProcessA unchanged.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace vs {

// Whether the file is a regular file that begins with "MZ", as every Windows
// program does.
bool isWindowsProgram(const std::string& path);

// Two lower-case hex digits a byte: no blank, quote or backslash of the
// text can then be changed on the way through Wine's argument list.
std::string hexEncode(std::string_view bytes);

// The argument list of Wine: the relay, the program's Unix path and the
// command line the program is to get, in the locale's ANSI code page. This is the one place where
// the line is handed on; it reaches the program byte for byte as given here.
std::vector<std::string> wineRelayArguments(const std::string& wine, const std::string& relay,
                                            const std::string& program,
                                            const std::string& commandLine);

// The environment the launcher has, with WINEPREFIX set to the prefix that
// holds `gameDirectory` when it is unset and there is one.
std::vector<std::string> wineEnvironment(const std::string& gameDirectory);

// Starts `program` (a Windows program) through Wine and the relay from
// `relayFolder` that suits the prefix, with `commandLine` as its whole
// command line. 0 with `child` set (Wine's process), the errno value of a
// failed start, or one of the launcher's own failures (nothing started).
int startThroughWine(const std::string& relayFolder, const std::string& program,
                     const std::string& commandLine, pid_t& child);

}  // namespace vs
