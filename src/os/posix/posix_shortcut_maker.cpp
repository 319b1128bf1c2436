#include "os/posix/posix_shortcut_maker.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/launch/desktop_entry.h"
#include "os/posix/code_page_text.h"
#include "os/posix/file_replace.h"
#include "os/posix/user_folders.h"

namespace vs {
namespace {

// Enough numbered names for any number of shortcuts a player makes by hand.
constexpr int kMostNumbers = 99;

std::string errorText(int error) {
  return std::strerror(error);
}

}  // namespace

PosixShortcutMaker::PosixShortcutMaker(IconPng iconPng,
                                       std::optional<std::filesystem::path> dataFolder)
    : iconPng_(std::move(iconPng)), dataFolder_(std::move(dataFolder)) {}

PosixShortcutMaker::PosixShortcutMaker(IconPng iconPng)
    : PosixShortcutMaker(std::move(iconPng), userDataFolder()) {}

// The icon is the launcher's own under a name of ours: writing it again
// replaces nothing of the user's.
std::optional<std::filesystem::path> PosixShortcutMaker::writeIcon(std::string& why) {
  const std::filesystem::path folder = *dataFolder_ / "icons/hicolor/48x48/apps";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::vector<std::uint8_t> png = iconPng_ ? iconPng_() : std::vector<std::uint8_t>();
  const std::filesystem::path icon = folder / "vornakstarter.png";
  struct stat written {};
  if (error || png.empty() || !replaceFile(icon, std::string(png.begin(), png.end()), written)) {
    why = "cannot write " + icon.string() + (error ? ": " + error.message() : "");
    return std::nullopt;
  }
  return icon;
}

ShortcutResult PosixShortcutMaker::makeShortcut(const ShortcutRequest& request) {
  if (!dataFolder_)
    return {false, "no home folder is known (HOME and XDG_DATA_HOME are unset)"};
  const std::filesystem::path folder = *dataFolder_ / "applications";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error)
    return {false, "cannot make " + folder.string() + ": " + error.message()};
  std::string why;
  const auto icon = writeIcon(why);
  if (!icon)
    return {false, why};

  const ShortcutEntry entry{fromLocaleCodePage(request.title), request.launcher,
                            request.configuration, request.folder, icon->string()};
  const std::string text = desktopEntryText(entry);
  const std::string stem = desktopFileStem(request.configuration);
  for (int number = 1; number <= kMostNumbers; ++number) {
    std::string name = stem;
    if (number > 1)
      name.append("-").append(std::to_string(number));
    const std::filesystem::path file = folder / name.append(".desktop");
    if (createNewFile(file, text))
      return {true, file.string()};
    if (errno != EEXIST)
      return {false, "cannot write " + file.string() + ": " + errorText(errno)};
    // Ours for this configuration: made anew. Anything else stays as it is.
    std::string existing;
    struct stat info {};
    if (readWholeFile(file, existing, info) == ReadStatus::ok && S_ISREG(info.st_mode) &&
        isOurDesktopEntry(existing, entry)) {
      struct stat written {};
      if (replaceFile(file, text, written))
        return {true, file.string()};
      return {false, "cannot replace " + file.string()};
    }
  }
  return {false, "every name for it in " + folder.string() + " is taken"};
}

}  // namespace vs
