#include "os/posix/posix_shortcut_maker.h"

#include <gtest/gtest.h>

#include "core/launch/desktop_entry.h"
#include "support/temp_dir.h"

namespace vs::test {
namespace {

class PosixShortcuts : public ::testing::Test {
 protected:
  PosixShortcuts()
      : maker(
            [] {
              return std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'};
            },
            home.path()) {}
  std::filesystem::path entry(const std::string& name) {
    return home.path() / "applications" / name;
  }
  TempDir home;
  PosixShortcutMaker maker;
  const ShortcutRequest frost{"Frost Peak", "frost.ini", "/g/a b/VornakStarter", "/g/a b"};
};

TEST_F(PosixShortcuts, MakesAnEntryAndItsIconThenReplacesOnlyItsOwn) {
  const ShortcutResult made = maker.makeShortcut(frost);
  ASSERT_TRUE(made.made) << made.where;
  EXPECT_EQ(made.where, entry("vornakstarter-frost.desktop").string());
  const std::string icon = (home.path() / "icons/hicolor/48x48/apps/vornakstarter.png").string();
  EXPECT_EQ(readFile(icon), "\x89PNG");
  EXPECT_EQ(readFile(made.where),
            desktopEntryText({"Frost Peak", frost.launcher, "frost.ini", frost.folder, icon}));

  // Ours, made again with a new title: the same file.
  ShortcutRequest renamed = frost;
  renamed.title = "Frost Peak II";
  EXPECT_EQ(maker.makeShortcut(renamed).where, made.where);
  EXPECT_NE(readFile(made.where).find("Name=Frost Peak II\n"), std::string::npos);

  // A file of the user's by that name, or ours for another game, stays.
  const std::string users = "[Desktop Entry]\nName=Mine\n";
  writeFile(made.where, users);
  ShortcutRequest otherGame = frost;
  otherGame.launcher = "/other/VornakStarter";
  writeFile(entry("vornakstarter-frost-2.desktop"),
            desktopEntryText({"x", otherGame.launcher, "frost.ini", "/other", icon}));
  const ShortcutResult numbered = maker.makeShortcut(frost);
  EXPECT_EQ(numbered.where, entry("vornakstarter-frost-3.desktop").string());
  EXPECT_EQ(readFile(made.where), users);
  EXPECT_EQ(maker.makeShortcut(frost).where, numbered.where);
}

TEST_F(PosixShortcuts, FailuresSayWhy) {
  PosixShortcutMaker homeless([] { return std::vector<std::uint8_t>{1}; }, std::nullopt);
  EXPECT_FALSE(homeless.makeShortcut(frost).made);
  writeFile(home.path() / "applications", "a file where the folder goes");
  const ShortcutResult blocked = maker.makeShortcut(frost);
  EXPECT_FALSE(blocked.made);
  EXPECT_NE(blocked.where.find("applications"), std::string::npos) << blocked.where;
}

}  // namespace
}  // namespace vs::test
