#include "core/launch/desktop_entry.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/launch/shortcut_name.h"
#include "core/launch/windows_arguments.h"

namespace vs {
namespace {

TEST(DesktopEntry, ExecArgumentsAreQuotedWhereTheyMustBe) {
  const std::pair<std::string, std::string> cases[] = {
      {"/games/vornak/system/VornakStarter", "/games/vornak/system/VornakStarter"},
      {"/my games/VornakStarter", "\"/my games/VornakStarter\""},
      {"/100%/VornakStarter", "/100%%/VornakStarter"},
      {"/a b%/x", "\"/a b%%/x\""},
      {"/q\"uote/x", "\"/q\\\"uote/x\""},
      {"/back\\slash", "\"/back\\\\slash\""},
      {"/$HOME/`x`", "\"/\\$HOME/\\`x\\`\""},
      {"it's", "\"it's\""},
      {"", "\"\""},
  };
  for (const auto& [argument, quoted] : cases) EXPECT_EQ(desktopExecArgument(argument), quoted);
}

TEST(DesktopEntry, TheFileHasTheKeysAMenuNeedsAndStringEscapes) {
  const ShortcutEntry entry{"Frost Peak", "/g/a b\\c/VornakStarter", "frostpeak.ini", "/g/a b\\c",
                            "/h/icons/vornakstarter.png"};
  EXPECT_EQ(desktopEntryText(entry),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Frost Peak\n"
            // The backslash is escaped once for the quotes and once more for
            // the string value the key holds.
            "Exec=\"/g/a b\\\\\\\\c/VornakStarter\" --start frostpeak.ini\n"
            "Path=/g/a b\\\\c\n"
            "Icon=/h/icons/vornakstarter.png\n"
            "Categories=Game;\n"
            "Terminal=false\n"
            "X-VornakStarter-Configuration=frostpeak.ini\n");
}

TEST(DesktopEntry, ALauncherPathWithAPercentSignRunsThroughEnv) {
  const ShortcutEntry entry{"F", "/g/100% b/VornakStarter", "f.ini", "/g/100% b", "/i.png"};
  EXPECT_NE(desktopEntryText(entry).find("\nExec=env \"/g/100%% b/VornakStarter\" --start f.ini\n"),
            std::string::npos);
}

TEST(DesktopEntry, OnlyOurEntryForTheSameStartIsOurs) {
  const ShortcutEntry entry{"Frost", "/g/VornakStarter", "frost.ini", "/g", "/i.png"};
  ShortcutEntry otherGame = entry;
  otherGame.launcher = "/other/VornakStarter";
  ShortcutEntry otherMod = entry;
  otherMod.configuration = "ice.ini";
  ShortcutEntry renamed = entry;
  renamed.title = "Frost, renamed";
  EXPECT_TRUE(isOurDesktopEntry(desktopEntryText(entry), entry));
  EXPECT_TRUE(isOurDesktopEntry(desktopEntryText(renamed), entry));
  EXPECT_FALSE(isOurDesktopEntry(desktopEntryText(otherGame), entry));
  EXPECT_FALSE(isOurDesktopEntry(desktopEntryText(otherMod), entry));
  EXPECT_FALSE(
      isOurDesktopEntry("[Desktop Entry]\nName=Mine\nExec=/g/VornakStarter --start "
                        "frost.ini\n",
                        entry));
}

TEST(ShortcutNames, FileNamesHoldOnlyWhatTheSystemAllows) {
  EXPECT_EQ(desktopFileStem("Frost Peak.INI"), "vornakstarter-frost-peak");
  EXPECT_EQ(desktopFileStem("ice_2-x.ini"), "vornakstarter-ice_2-x");
  const std::tuple<std::string, int, std::string> cases[] = {
      {"Frost Peak", 1, "Frost Peak.lnk"},
      {"Frost Peak", 3, "Frost Peak (3).lnk"},
      {"A/B:C*D?\"E<F>G|H\\I", 1, "A_B_C_D__E_F_G_H_I.lnk"},
      {"Tab\there", 1, "Tab_here.lnk"},
      {"  Trailing dots... ", 1, "Trailing dots.lnk"},
      {"con", 1, "con_.lnk"},
      {"LPT1", 1, "LPT1_.lnk"},
      {"COM10", 1, "COM10.lnk"},
      {"...", 1, "frost.ini.lnk"},
  };
  for (const auto& [title, number, expected] : cases)
    EXPECT_EQ(windowsShortcutName(title, "frost.ini", number), expected) << title;
}

TEST(WindowsArguments, AQuotedArgumentSplitsBackToItself) {
  const std::string arguments[] = {"plain",     "two words", "",         "say \"hi\"",
                                   "C:\\dir\\", "a\\\"b",    "tail\\\\", "\t"};
  for (const std::string& argument : arguments) {
    const std::string line = "--start " + quoteWindowsArgument(argument) + " next";
    EXPECT_EQ(splitWindowsArguments(line), (std::vector<std::string>{"--start", argument, "next"}))
        << line;
  }
  EXPECT_EQ(quoteWindowsArgument("frostpeak.ini"), "frostpeak.ini");
}

}  // namespace
}  // namespace vs
