// Shortcuts on Windows: a ".lnk" on the user's desktop, written through the
// shell's link object, that starts the launcher with --start.
#pragma once

#include <optional>
#include <string>

#include "os/shortcut_maker.h"

namespace vs {

class Win32ShortcutMaker : public ShortcutMaker {
 public:
  Win32ShortcutMaker() = default;  // the user's desktop
  explicit Win32ShortcutMaker(std::wstring folder) : folder_(std::move(folder)) {}

  ShortcutResult makeShortcut(const ShortcutRequest& request) override;

 private:
  std::optional<std::wstring> folder_;
};

}  // namespace vs
