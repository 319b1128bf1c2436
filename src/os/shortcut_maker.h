// Making a shortcut that starts one configuration without the dialog: a
// desktop entry on Linux, a ".lnk" on the Windows desktop.
#pragma once

#include <string>

namespace vs {

struct ShortcutRequest {
  std::string title;          // the item's title, in the bytes of its INI file
  std::string configuration;  // the INI file's name, for --start
  std::string launcher;       // the launcher's full path
  std::string folder;         // the launcher's folder
};

struct ShortcutResult {
  bool made = false;
  std::string where;  // made: the shortcut's path; otherwise why it failed
};

class ShortcutMaker {
 public:
  virtual ~ShortcutMaker() = default;
  // Replaces a shortcut this launcher made for the same configuration; any
  // other file of that name stays, and the shortcut takes a numbered name.
  virtual ShortcutResult makeShortcut(const ShortcutRequest& request) = 0;
};

}  // namespace vs
