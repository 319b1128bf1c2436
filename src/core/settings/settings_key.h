// Where the launcher keeps its choices: the key Software\<maker>\<program>
// under the current user. The POSIX store names its folder after the maker
// and its file after the program.
#pragma once

#include <string>

namespace vs {

inline constexpr const char* kSettingsMaker = "KARNOW-STUDIO Software GmbH";
inline constexpr const char* kSettingsProgram = "VornakStarter";

// "Software\KARNOW-STUDIO Software GmbH\VornakStarter", below the user's root.
inline std::string settingsKeyPath() {
  return std::string("Software\\") + kSettingsMaker + "\\" + kSettingsProgram;
}

}  // namespace vs
