// Splitting a command-line text into arguments the way the Windows runtime
// splits a program's command line, so a Windows program started on POSIX
// through the system's handler for ".exe" files sees the same switches.
#pragma once

#include <string>
#include <vector>

namespace vs {

// Blanks and tabs separate arguments outside double quotes; runs of them give
// no empty pieces. A double quote toggles quoting (and is dropped); inside
// quotes two double quotes give one literal double quote. 2n backslashes
// before a double quote give n backslashes and the quote keeps its meaning,
// 2n+1 give n backslashes and a literal double quote; backslashes not before
// a double quote are plain characters. An explicit "" is an empty argument.
std::vector<std::string> splitWindowsArguments(const std::string& commandLine);

// One argument written so that the rules above give it back unchanged:
// quoted where it is empty or holds a blank, tab or double quote.
std::string quoteWindowsArgument(const std::string& argument);

}  // namespace vs
