// The file name of a Windows shortcut (".lnk") on the desktop, made from the
// item's title.
#pragma once

#include <string>
#include <string_view>

namespace vs {

// `title` with what a file name cannot hold ("\/:*?"<>|" and control
// characters) as "_", without the blanks and dots Windows drops at the end,
// and with "_" after a device name such as "CON". `fallback` (the INI file's
// name) stands in for a title with nothing left. `number` above 1 adds
// " (number)" for a name already taken. The result ends in ".lnk".
std::string windowsShortcutName(std::string_view title, std::string_view fallback, int number);

}  // namespace vs
