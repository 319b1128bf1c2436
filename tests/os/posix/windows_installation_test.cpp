// A game installed the Windows way (mixed-case folders and files, a Windows
// program) with the Linux launcher in its program folder: it lists, moves and
// starts what the Windows build would; the same tree in lower case behaves
// as it always did.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/environment_guard.h"
#include "support/installed_game.h"
#include "support/stand_in.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

struct Tree {
  const char* label;
  InstallFolders folders;
  std::string gameIni, modIni, otherArchive, parkedArchive, program;
};

const Tree kWindowsTree{"Windows",        {"System", "Data", "ModVDF"},
                        "VornakGame.ini", "MyMod.INI",
                        "Other.MOD",      "MINE.mod",
                        "VornakMod.exe"};
const Tree kLowerTree{"Lower",          {"system", "data", "modvdf"},
                      "vornakgame.ini", "mymod.ini",
                      "other.mod",      "mine.mod",
                      "vornakmod.exe"};

std::vector<std::string> entries(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory))
    names.push_back(entry.path().filename().string() + "=" +
                    (entry.is_regular_file() ? readFile(entry.path()) : "dir"));
  return names;
}

class Installation : public ::testing::TestWithParam<Tree> {
 protected:
  TempDir root;
  InstalledGame game{root.path(), GetParam().folders, ""};
};

TEST_P(Installation, ListsMovesAndStartsAsTheWindowsBuildDoes) {
  const Tree& tree = GetParam();
  game.writeMod(tree.gameIni, "Vornak", "");
  game.writeMod(tree.modIni, "Mine", "mine.mod");
  writeFile(game.data() / tree.otherArchive, "other");
  writeFile(game.parking() / tree.parkedArchive, "mine");
  const fs::path record = game.program() / "last-start.txt";
  writeExecutable(game.program() / tree.program, recordingScript(record, "game"));

  game.open();
  EXPECT_THAT(game.itemTexts(), ElementsAre("Mine ()", "Vornak ()"));
  EXPECT_THAT(
      game.start("mymod.ini", "-x"),
      ElementsAre("../data/" + tree.otherArchive + " --> ../data/modvdf/" + tree.otherArchive,
                  "../data/mine.mod <-- ../data/modvdf/mine.mod", "CALLING \"vornakmod.exe\"",
                  "   -game:mymod.ini -x"));
  EXPECT_EQ(waitForFile(record), "game\n[-game:mymod.ini]\n[-x]\n");
  // The archive comes back under the name the list gives it, as on Windows.
  EXPECT_THAT(entries(game.data()),
              UnorderedElementsAre("mine.mod=mine", tree.folders.parking + "=dir"));
  EXPECT_THAT(entries(game.parking()), ElementsAre(tree.otherArchive + "=other"));
}

INSTANTIATE_TEST_SUITE_P(BothSpellings, Installation, ::testing::Values(kWindowsTree, kLowerTree),
                         [](const auto& info) { return std::string(info.param.label); });

class WindowsTree : public ::testing::Test {
 protected:
  TempDir root;
  TempDir relays;  // the launcher's folder for its Wine relays
  InstalledGame game{root.path(), kWindowsTree.folders, relays.path().string()};
};

// The byte order would give "B.ini", "_a.ini", "a.ini" and "Z.mod", "b.mod".
TEST_F(WindowsTree, ListsAndParksInTheOrderOfAWindowsFolder) {
  for (const char* name : {"_a.ini", "B.ini", "a.ini", ".ini"}) game.writeMod(name, name, "");
  for (const char* name : {"Z.mod", "b.mod", ".mod"}) writeFile(game.data() / name, name);
  game.open();
  EXPECT_THAT(game.itemTexts(), ElementsAre(".ini ()", "a.ini ()", "B.ini ()", "_a.ini ()"));
  const auto& log = game.start("a.ini");
  ASSERT_GE(log.size(), 3u);
  EXPECT_THAT(
      std::vector(log.begin(), log.begin() + 3),
      ElementsAre("../data/.mod --> ../data/modvdf/.mod", "../data/b.mod --> ../data/modvdf/b.mod",
                  "../data/Z.mod --> ../data/modvdf/Z.mod"));
}

// Names the game cannot tell apart: each is parked once, none replaces
// another, and the listed spelling comes back.
TEST_F(WindowsTree, ArchivesDifferingOnlyInCaseAreParkedOnceAndNoneIsLost) {
  game.writeMod("x.ini", "X", "x.mod");
  writeFile(game.data() / "x.mod", "lower");
  writeFile(game.data() / "X.MOD", "upper");
  writeFile(game.parking() / "X.mod", "parked before");
  game.open();
  EXPECT_THAT(game.start("x.ini"),
              ElementsAre("../data/X.MOD --> ../data/modvdf/X.MOD",
                          "../data/x.mod --> ../data/modvdf/x.mod",
                          "../data/x.mod <-- ../data/modvdf/x.mod", "CALLING \"vornakmod.exe\"",
                          "   -game:x.ini ", "Error: Path or file name not found"));
  EXPECT_THAT(entries(game.data()), UnorderedElementsAre("x.mod=lower", "ModVDF=dir"));
  EXPECT_THAT(entries(game.parking()), UnorderedElementsAre("X.MOD=upper", "X.mod=parked before"));
}

// A Windows program that cannot start through Wine: one line says why, after
// the archives were switched as for every start, and nothing is started.
// The execute bit makes no difference.
struct WineFailure {
  const char* label;
  const char* wine;  // WINE; nullptr leaves it unset
  bool wineOnPath;
  std::vector<const char*> relays;  // beside the launcher
  const char* prefixArch;
  const char* line;
};

class WineFailures : public WindowsTree, public ::testing::WithParamInterface<WineFailure> {};

TEST_P(WineFailures, OneLineForEachCauseAfterTheSwitch) {
  const WineFailure& failure = GetParam();
  TempDir bin, prefix;
  PathGuard path(bin.path().string());
  EnvironmentGuard environment;
  environment.set("WINE", failure.wine);
  environment.set("WINEPREFIX", prefix.path().c_str());
  writeFile(prefix / "system.reg",
            std::string("WINE REGISTRY Version 2\n\n#arch=") + failure.prefixArch + "\n");
  const fs::path started = root / "started";
  if (failure.wineOnPath)
    writeExecutable(bin / "wine", "#!/bin/sh\n: > '" + started.string() + "'\n");
  for (const char* relay : failure.relays) writeFile(relays / relay, "MZ");
  game.writeMod("MyMod.INI", "Mine", "mine.mod");
  writeFile(game.parking() / "Mine.MOD", "mine");
  writeExecutable(game.program() / "VornakMod.exe", std::string("MZ\x90\0\3\0", 6), false);
  game.open();
  for (const bool executable : {false, true}) {
    if (executable)
      fs::permissions(game.program() / "VornakMod.exe", fs::perms::owner_all);
    std::vector<std::string> expected{"../data/mine.mod <-- ../data/modvdf/mine.mod",
                                      "CALLING \"vornakmod.exe\"", "   -game:mymod.ini ",
                                      failure.line};
    if (executable)  // the archive is active since the first start
      expected.insert(expected.begin(), "../data/mine.mod --> ../data/modvdf/mine.mod");
    EXPECT_EQ(game.start("mymod.ini"), expected) << "executable: " << executable;
  }
  EXPECT_THAT(entries(game.data()), UnorderedElementsAre("mine.mod=mine", "ModVDF=dir"));
  EXPECT_FALSE(fs::exists(started));
  EXPECT_THAT(childProcesses(), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, WineFailures,
    ::testing::Values(WineFailure{"NoWine",
                                  nullptr,
                                  false,
                                  {"VornakStarterRelay.exe"},
                                  "win64",
                                  "Error: Wine not found (no WINE, no wine on PATH)"},
                      WineFailure{"WineNamesNothing",
                                  "/nonexistent/wine",
                                  true,
                                  {"VornakStarterRelay.exe"},
                                  "win64",
                                  "Error: WINE names no program that can run"},
                      WineFailure{"Relay64Missing",
                                  nullptr,
                                  true,
                                  {"VornakStarterRelay32.exe"},
                                  "win64",
                                  "Error: VornakStarterRelay.exe not found beside the launcher"},
                      WineFailure{
                          "Relay32Missing",
                          nullptr,
                          true,
                          {"VornakStarterRelay.exe"},
                          "win32",
                          "Error: VornakStarterRelay32.exe not found beside the launcher (32-bit "
                          "prefix)"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vs::test
