// A Windows game in a Linux game folder, started by the Linux launcher
// through Wine: the game sees exactly the command line the Windows build
// gives it. Runs inside a Wine session (run_under_wine.sh).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include "support/environment_guard.h"
#include "support/installed_game.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;

const InstallFolders kFolders{"System", "Data", "ModVDF"};

// The stand-in writes the line it got (GetCommandLineA) to this file of its
// working directory.
std::string recordedLine(const fs::path& record, std::size_t expectedSize) {
  std::string line;
  for (int i = 0; i < 600; ++i) {
    if (fs::exists(record) && (line = readFile(record)).size() >= expectedSize)
      return line;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return line;
}

class WineStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(::getenv("WINEPREFIX"), nullptr) << "run this inside a Wine session";
    environment.set("VS_RECORD_FILE", "last-start.txt");
  }
  // The stand-in game as a Windows installation has it: not executable here.
  static void install(const InstalledGame& game) {
    fs::copy_file(VS_STAND_IN_GAME_PATH, game.program() / "VornakMod.exe");
    fs::permissions(game.program() / "VornakMod.exe",
                    fs::perms::owner_read | fs::perms::owner_write);
    writeFile(game.parking() / "MINE.MOD", "archive");
  }
  // `size`: of the line the game is to get, when it differs from the text's.
  std::string startAndRecord(InstalledGame& game, const std::string& parameters,
                             std::size_t size = 0) {
    const fs::path record = game.program() / "last-start.txt";
    fs::remove(record);
    const auto& log = game.start("mymod.ini", parameters);
    const std::string expected = "vornakmod.exe  -game:mymod.ini " + parameters;
    EXPECT_EQ(log.back(), "   -game:mymod.ini " + parameters) << "the start failed";
    return recordedLine(record, size ? size : expected.size());
  }
  EnvironmentGuard environment;
};

TEST_F(WineStart, TheGameGetsTheExactCommandLineOfTheWindowsBuild) {
  TempDir root;
  InstalledGame game{root.path(), kFolders, VS_WINE_RELAY_PATH};
  game.writeMod("MyMod.INI", "Mine", "mine.mod");
  install(game);
  game.open();
  for (const std::string parameters :
       {"", "-x", "  \"a b\"  c\\\"d   e\\\\ f\\ ", "\"\" \"q\\\"\" \\\\server\\share  "}) {
    EXPECT_EQ(startAndRecord(game, parameters), "vornakmod.exe  -game:mymod.ini " + parameters);
    // A program file that is executable but no Linux program: Wine too.
    fs::permissions(game.program() / "VornakMod.exe", fs::perms::owner_all);
  }
  EXPECT_TRUE(fs::exists(game.data() / "mine.mod"));
}

// Wine reads a Windows program's line in the locale's ANSI code page, as
// Windows does; the launcher's UTF-8 text is converted to it.
TEST_F(WineStart, ParametersArriveInTheCodePageOfTheLocale) {
  environment.set("LC_ALL", nullptr);
  environment.set("LC_CTYPE", nullptr);
  environment.set("LANG", "pl_PL.UTF-8");
  TempDir root;
  InstalledGame game{root.path(), kFolders, VS_WINE_RELAY_PATH};
  game.writeMod("MyMod.INI", "Mine", "mine.mod");
  install(game);
  game.open();
  const std::string expected = "vornakmod.exe  -game:mymod.ini -nick:\xa3ucja \xbf\xf3\xb3w ?";
  EXPECT_EQ(startAndRecord(game, "-nick:Łucja żółw Ж", expected.size()), expected);
}

// A game installed into a prefix of its own starts there without a setting.
TEST_F(WineStart, TheGameInsideAPrefixUsesThatPrefix) {
  const fs::path prefix = ::getenv("WINEPREFIX");
  const fs::path home = ::getenv("HOME");
  fs::remove_all(home / ".wine");
  const fs::path root = prefix / "drive_c" / "Games" / "Vornak";
  fs::remove_all(root);
  {
    EnvironmentGuard unset;
    unset.set("WINEPREFIX", nullptr);
    InstalledGame game{root, kFolders, VS_WINE_RELAY_PATH};
    game.writeMod("MyMod.INI", "Mine", "");
    install(game);
    game.open();
    EXPECT_EQ(startAndRecord(game, "-inside"), "vornakmod.exe  -game:mymod.ini -inside");
  }
  // Wine would have made a prefix of its own under the home folder.
  EXPECT_FALSE(fs::exists(home / ".wine"));
  fs::remove_all(root);
}

}  // namespace
}  // namespace vs::test
