// Shortcuts on Linux: a desktop entry in the user's applications folder
// ($XDG_DATA_HOME/applications), which desktop menus and Steam's list of
// programs read, with the launcher's icon as a PNG under
// $XDG_DATA_HOME/icons.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "os/shortcut_maker.h"

namespace vs {

class PosixShortcutMaker : public ShortcutMaker {
 public:
  using IconPng = std::function<std::vector<std::uint8_t>()>;
  // `iconPng` gives the icon's PNG bytes when a shortcut is made; `dataFolder`
  // is the user's data folder, nullopt when none is known.
  PosixShortcutMaker(IconPng iconPng, std::optional<std::filesystem::path> dataFolder);
  explicit PosixShortcutMaker(IconPng iconPng);  // the user's data folder

  ShortcutResult makeShortcut(const ShortcutRequest& request) override;

 private:
  std::optional<std::filesystem::path> writeIcon(std::string& why);

  IconPng iconPng_;
  std::optional<std::filesystem::path> dataFolder_;
};

}  // namespace vs
