// The demo game directory laid out by tools/make_demo.sh, seen through the
// real dialog on the headless host, plus the demo's stand-in program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

#include "core/mods/mod_info.h"
#include "support/game_fixture.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

const fs::path kRepo = fs::path(__FILE__).parent_path().parent_path().parent_path();

void makeDemo(const fs::path& dir) {
  const std::string command =
      "sh '" + (kRepo / "tools" / "make_demo.sh").string() + "' '" + dir.string() + "' >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The fixture's program directory is bin/: the demo's system/ goes there.
void layOutDemoIn(GameFixture& game) {
  makeDemo(game.root.path());
  for (const auto& entry : fs::directory_iterator(game.root / "system"))
    fs::copy(entry.path(), game.bin() / entry.path().filename());
}

std::set<std::string> modArchivesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".mod")
      names.insert(entry.path().filename().string());
  }
  return names;
}

std::vector<std::string> splitOnSpaces(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = std::min(text.find(' ', begin), text.size());
    if (end > begin)
      parts.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return parts;
}

TEST(DemoGame, ListsTheGameAndFourModsWithTheirOwnImages) {
  GameFixture game;
  layOutDemoIn(game);
  HeadlessWindow& w = game.open();

  std::map<std::string, std::pair<std::string, int>> listed;
  for (const auto& item : w.control(IDC_MODLIST).items)
    listed[reinterpret_cast<const ModInfo*>(item.data)->fileName] = {item.text, item.image};
  EXPECT_EQ(listed, (std::map<std::string, std::pair<std::string, int>>{
                        {"vornakgame.ini", {"Vornak (1.13)", 0}},
                        {"frostpeak.ini", {"Frostpeak Expedition (2.0)", 21}},
                        {"emberhold.ini", {"Siege of Emberhold (1.4b)", 20}},
                        {"tidewater.ini", {"Tidewater Traders (0.9 beta)", 27}},
                        {"caverns.ini", {"Caverns of Riddles ()", 1}},
                    }));
}

TEST(DemoGame, EveryListedArchiveExistsActiveOrParked) {
  GameFixture game;
  layOutDemoIn(game);
  HeadlessWindow& w = game.open();
  ASSERT_FALSE(w.control(IDC_MODLIST).items.empty());
  for (const auto& item : w.control(IDC_MODLIST).items) {
    const auto* mod = reinterpret_cast<const ModInfo*>(item.data);
    for (const std::string& archive : splitOnSpaces(mod->vdf)) {
      EXPECT_TRUE(fs::exists(game.data() / archive) || fs::exists(game.parking() / archive))
          << archive << " of " << mod->fileName;
    }
  }
}

TEST(DemoGame, StartingFrostpeakLeavesOnlyItsArchivesActive) {
  GameFixture game;
  layOutDemoIn(game);
  HeadlessWindow& w = game.open();
  const auto& items = w.control(IDC_MODLIST).items;
  int frostpeak = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].text.starts_with("Frostpeak"))
      frostpeak = static_cast<int>(i);
  }
  ASSERT_GE(frostpeak, 0);
  w.clickItem(frostpeak);
  w.pressEnter();

  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].program, "vornakmod.exe");
  EXPECT_EQ(game.processes.starts[0].switches, " -game:frostpeak.ini ");
  EXPECT_THAT(modArchivesIn(game.data()),
              UnorderedElementsAre("frostpeak.mod", "frostpeak_music.mod"));
  EXPECT_THAT(modArchivesIn(game.parking()),
              UnorderedElementsAre("emberhold.mod", "emberhold_voices.mod", "emberhold_maps.mod",
                                   "stray_textures.mod", "tidewater.mod", "caverns.mod"));
  EXPECT_TRUE(fs::exists(game.data() / "worldmap.model"));
  EXPECT_TRUE(fs::exists(game.data() / "base.vdf"));
}

TEST(DemoGame, LayingOutAgainKeepsEditsAndMovedArchivesAndRestoresMissingFiles) {
  TempDir dir;
  makeDemo(dir.path());
  writeFile(dir / "system/tidewater.ini", "[info]\ntitle=Mine now\nvdf=tidewater.mod\n");
  fs::rename(dir / "data/modvdf/caverns.mod", dir / "data/caverns.mod");
  fs::rename(dir / "data/emberhold.mod", dir / "data/modvdf/emberhold.mod");
  fs::remove(dir / "system/caverns.ini");
  fs::remove(dir / "data/modvdf/tidewater.mod");

  makeDemo(dir.path());
  EXPECT_EQ(readFile(dir / "system/tidewater.ini"), "[info]\ntitle=Mine now\nvdf=tidewater.mod\n");
  EXPECT_TRUE(fs::exists(dir / "system/caverns.ini"));
  EXPECT_FALSE(fs::exists(dir / "data/modvdf/caverns.mod"));
  EXPECT_FALSE(fs::exists(dir / "data/emberhold.mod"));
  EXPECT_TRUE(fs::exists(dir / "data/modvdf/tidewater.mod"));
}

TEST(DemoGame, StandInProgramReportsItsArgumentsAndTheActiveArchives) {
  TempDir dir;
  makeDemo(dir.path());
  const fs::path out = dir / "out.txt";
  // From system/, as the launcher starts it, and without a display so no window opens.
  const std::string command = "cd '" + (dir / "system").string() +
                              "' && env -u DISPLAY ./morlex.exe -game:caverns.ini ' -zwindow' >'" +
                              out.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);

  const std::string printed = readFile(out);
  EXPECT_THAT(printed, HasSubstr("$0: ./morlex.exe\n$1: [-game:caverns.ini]\n$2: [ -zwindow]\n"));
  EXPECT_THAT(printed,
              HasSubstr("  emberhold.mod\n  emberhold_voices.mod\n  stray_textures.mod\n"));
  EXPECT_THAT(printed, ::testing::Not(HasSubstr("worldmap")));
  EXPECT_EQ(readFile(dir / "system/last-start.txt"), printed);
}

}  // namespace
}  // namespace vs::test
