// The desktop entry (a ".desktop" file) that starts one configuration
// straight from a desktop's menu, Steam or a launcher of launchers.
#pragma once

#include <string>
#include <string_view>

namespace vs {

struct ShortcutEntry {
  std::string title;          // the item's title, UTF-8
  std::string launcher;       // the launcher's absolute path
  std::string configuration;  // the mod INI file's name, as in --start NAME
  std::string folder;         // the launcher's folder: the child's working folder
  std::string icon;           // absolute path of the icon file
};

// One argument of an Exec key, quoted by the Desktop Entry rules where it
// holds a reserved character, with "%" doubled against field codes.
std::string desktopExecArgument(std::string_view argument);

// The whole file, UTF-8, with the key that marks it as ours.
std::string desktopEntryText(const ShortcutEntry& entry);

// Whether `text` is a file this launcher wrote for the same configuration
// of the same launcher: the one that may be replaced.
bool isOurDesktopEntry(std::string_view text, const ShortcutEntry& entry);

// The file name's stem for a configuration: "vornakstarter-" and the INI
// file's name without ".ini", lowered, with anything but letters, digits, "-"
// and "_" as "-".
std::string desktopFileStem(std::string_view configuration);

}  // namespace vs
