// A Windows game in a Linux game folder, started by the Linux launcher
// through Wine: the game sees exactly the command line the Windows build
// gives it. Runs inside a Wine session (run_under_wine.sh).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

#include "support/environment_guard.h"
#include "support/installed_game.h"
#include "support/stand_in.h"

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

// An entry of the system's binfmt_misc that hands every file that begins
// with "MZ" and has the execute bit to Wine, as several distributions' Wine
// packages register one. It is system-wide, so it lives only as long as this
// object, and the test's runner removes it too should the test die.
class BinfmtEntry {
 public:
  BinfmtEntry() {
    const char* name = ::getenv("VS_BINFMT_ENTRY");
    name_ = name != nullptr ? name : "vs_test_mz_" + std::to_string(::getpid());
    if (!fs::exists(kFolder / "register") &&
        ::mount("binfmt_misc", kFolder.c_str(), "binfmt_misc", 0, nullptr) != 0) {
      failure_ = "cannot mount binfmt_misc: " + std::string(std::strerror(errno));
      return;
    }
    if (readFile(kFolder / "status").rfind("enabled", 0) != 0) {
      failure_ = "binfmt_misc is switched off on this system";
      return;
    }
    std::ofstream(kFolder / "register") << ":" << name_ << ":M::MZ::" << VS_WINE_PROGRAM << ":";
    if (readFile(kFolder / name_).rfind("enabled", 0) != 0)
      failure_ = "cannot register an entry with binfmt_misc (not root?)";
  }
  ~BinfmtEntry() {
    if (fs::exists(kFolder / name_))
      std::ofstream(kFolder / name_) << "-1";
  }
  BinfmtEntry(const BinfmtEntry&) = delete;
  BinfmtEntry& operator=(const BinfmtEntry&) = delete;
  // Why the entry could not be registered; empty when it is.
  const std::string& failure() const { return failure_; }

 private:
  inline static const fs::path kFolder = "/proc/sys/fs/binfmt_misc";
  std::string name_;
  std::string failure_;
};

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
  // Starts the item; the log's last line must be the switch string.
  static void startOnly(InstalledGame& game, const std::string& parameters) {
    fs::remove(game.program() / "last-start.txt");
    EXPECT_EQ(game.start("mymod.ini", parameters).back(), "   -game:mymod.ini " + parameters)
        << "the start failed";
  }
  // `size`: of the line the game is to get, when it differs from the text's.
  static std::string waitForLine(InstalledGame& game, const std::string& parameters,
                                 std::size_t size = 0) {
    const std::string expected = "vornakmod.exe  -game:mymod.ini " + parameters;
    return recordedLine(game.program() / "last-start.txt", size ? size : expected.size());
  }
  std::string startAndRecord(InstalledGame& game, const std::string& parameters,
                             std::size_t size = 0) {
    startOnly(game, parameters);
    return waitForLine(game, parameters, size);
  }
  EnvironmentGuard environment;
};

TEST_F(WineStart, TheGameGetsTheExactCommandLineOfTheWindowsBuild) {
  TempDir root;
  InstalledGame game{root.path(), kFolders, VS_WINE_RELAY_DIR};
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
  InstalledGame game{root.path(), kFolders, VS_WINE_RELAY_DIR};
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
    InstalledGame game{root, kFolders, VS_WINE_RELAY_DIR};
    game.writeMod("MyMod.INI", "Mine", "");
    install(game);
    game.open();
    EXPECT_EQ(startAndRecord(game, "-inside"), "vornakmod.exe  -game:mymod.ini -inside");
  }
  // Wine would have made a prefix of its own under the home folder.
  EXPECT_FALSE(fs::exists(home / ".wine"));
  fs::remove_all(root);
}

// Where the system itself hands Windows programs to Wine, a game with the
// execute bit (every file on an NTFS or FAT partition has it) still starts
// through the relay, with its exact line.
TEST_F(WineStart, TheSystemsOwnWineHookIsPassedBy) {
  TempDir root;
  InstalledGame game{root.path(), kFolders, VS_WINE_RELAY_DIR};
  game.writeMod("MyMod.INI", "Mine", "");
  install(game);
  fs::permissions(game.program() / "VornakMod.exe", fs::perms::owner_all);
  game.open();
  const std::string parameters = R"("C:\Program Files\Vornak\\" -log:"a b"  end)";
  {
    // Registered only while the start runs: the kernel chooses the handler
    // when the program is executed, before the start returns.
    BinfmtEntry entry;
    if (!entry.failure().empty())
      GTEST_SKIP() << entry.failure();
    startOnly(game, parameters);
  }
  EXPECT_EQ(waitForLine(game, parameters), "vornakmod.exe  -game:mymod.ini " + parameters);
}

// A runner's own Wine, named by WINE, is used before any wine on PATH.
TEST_F(WineStart, TheWineVariableNamesTheWineToUse) {
  TempDir root, bin;
  writeExecutable(bin / "wine", "#!/bin/sh\n: > '" + (bin / "decoy").string() + "'\nexit 1\n");
  writeExecutable(bin / "runner-wine", "#!/bin/sh\n: > '" + (bin / "used").string() +
                                           "'\nexec '" VS_WINE_PROGRAM "' \"$@\"\n");
  PathGuard path(bin.path().string() + ":" + ::getenv("PATH"));
  environment.set("WINE", (bin / "runner-wine").c_str());
  InstalledGame game{root.path(), kFolders, VS_WINE_RELAY_DIR};
  game.writeMod("MyMod.INI", "Mine", "");
  install(game);
  game.open();
  EXPECT_EQ(startAndRecord(game, "-runner \"a b\""),
            "vornakmod.exe  -game:mymod.ini -runner \"a b\"");
  EXPECT_TRUE(fs::exists(bin / "used"));
  EXPECT_FALSE(fs::exists(bin / "decoy"));
}

}  // namespace
}  // namespace vs::test
