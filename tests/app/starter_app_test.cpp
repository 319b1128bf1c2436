#include "app/starter_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "core/launch/program_options.h"
#include "core/launch/spawn_error_text.h"
#include "core/settings/settings_values.h"
#include "dialog/version.h"
#include "support/game_fixture.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The console of a test: what was printed, and the headless host for windows.
class TestConsole : public ProgramConsole {
 public:
  explicit TestConsole(HeadlessHost& host) : host_(host) {}
  void print(const std::string& text) override { out += text; }
  void printError(const std::string& text) override { err += text; }
  void reportFailedStart(const std::vector<std::string>& lines) override { reported = lines; }
  bool canShowWindows() override { return windows; }
  DialogHost& dialogHost() override { return host_; }

  std::string out, err;
  std::vector<std::string> reported;
  bool windows = true;

 private:
  HeadlessHost& host_;
};

std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file())
      names.insert(entry.path().filename().string());
  return names;
}

class DirectStart : public ::testing::Test {
 protected:
  DirectStart() : console(game.host) {
    game.writeMod("vornakgame.ini", "title=Vornak\nvdf=\n");
    game.writeMod("frostpeak.ini", "title=Frost Peak\nversion=2\nvdf=frost.mod\n");
    game.writeMod("broken.ini", "no title here\n");
    writeFile(game.bin() / "notes.txt", "x");
    resetArchives();
    // The choices as a player saved them: windowed, Morlex, parameters,
    // and a different item selected.
    game.settings.values["windowed"] = {MemorySettingsStore::kBinary, encodeInteger(1)};
    game.settings.values["startapp"] = {MemorySettingsStore::kBinary, encodeInteger(1)};
    game.settings.values["modgame"] = {MemorySettingsStore::kBinary, encodeInteger(0)};
    game.settings.values["parameters"] = {MemorySettingsStore::kBinary,
                                          encodeParameters("-x \"a b\"")};
  }
  void resetArchives() {
    std::filesystem::remove_all(game.data());
    std::filesystem::create_directories(game.parking());
    writeFile(game.data() / "other.mod", "o");
    writeFile(game.parking() / "frost.mod", "f");
  }
  int run(std::vector<std::string> arguments) {
    return theApp.Run(
        arguments, {game.files, game.processes, game.settings, game.location, shortcuts}, console);
  }

  GameFixture game;
  RecordingShortcutMaker shortcuts;
  TestConsole console;
};

TEST_F(DirectStart, DoesWhatStartDoesAndWritesNoSetting) {
  game.host.modalScript = [](HeadlessWindow&) { ADD_FAILURE() << "a window opened"; };
  ASSERT_EQ(run({"--start", "FrostPeak.INI"}), kExitDone);
  EXPECT_THAT(game.settings.writes, IsEmpty());
  EXPECT_EQ(game.settings.opens, 0);
  ASSERT_EQ(game.processes.starts.size(), 1u);
  const auto direct = game.processes.starts[0];
  const auto placed = std::make_pair(namesIn(game.data()), namesIn(game.parking()));
  const auto directDirectory = std::filesystem::current_path();

  // The same start by hand, in the window, from the same archives.
  resetArchives();
  std::filesystem::current_path("/");
  game.processes.starts.clear();
  HeadlessWindow& w = game.open();
  const auto& items = w.control(IDC_MODLIST).items;
  int frost = -1;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].text == "Frost Peak (2)")
      frost = static_cast<int>(i);
  w.clickItem(frost);
  w.pressEnter();
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(direct.program, "morlex.exe");
  EXPECT_EQ(direct.program, game.processes.starts[0].program);
  EXPECT_EQ(direct.switches, game.processes.starts[0].switches);
  EXPECT_EQ(placed, std::make_pair(namesIn(game.data()), namesIn(game.parking())));
  EXPECT_EQ(directDirectory, std::filesystem::current_path());
  EXPECT_THAT(console.reported, IsEmpty());
}

TEST_F(DirectStart, AFailureOpensTheWindowWithTheAttemptsLog) {
  struct Case {
    std::string name;
    int startError;
    std::string lastLine;
  };
  const Case cases[] = {
      {"ice.ini", 0, "Error: No configuration \"ice.ini\" beside the launcher"},
      {"broken.ini", 0, "Error: \"broken.ini\" is no configuration the launcher can start"},
      {"../bin/frostpeak.ini", 0,
       "Error: No configuration \"../bin/frostpeak.ini\" beside the launcher"},
      {"frostpeak.ini", ENOENT, "Error: " + spawnErrorText(ENOENT)},
  };
  for (const Case& c : cases) {
    resetArchives();
    game.processes.starts.clear();
    game.processes.errorToReturn = c.startError;
    std::vector<std::string> shown;
    game.host.modalScript = [&shown](HeadlessWindow& w) {
      shown = w.control(IDC_ARCHIVELOG).lines;
      w.pressEscape();
    };
    EXPECT_EQ(run({"--start", c.name}), kExitFailed) << c.name;
    ASSERT_FALSE(shown.empty()) << c.name;
    EXPECT_EQ(shown.back(), c.lastLine);
    EXPECT_EQ(console.reported, shown) << c.name;
  }
}

TEST_F(DirectStart, AFailedMoveStartsNothing) {
  std::filesystem::remove(game.parking() / "frost.mod");
  game.host.modalScript = [](HeadlessWindow& w) { w.pressEscape(); };
  EXPECT_EQ(run({"--start", "frostpeak.ini"}), kExitFailed);
  EXPECT_THAT(game.processes.starts, IsEmpty());
  ASSERT_FALSE(console.reported.empty());
  EXPECT_EQ(console.reported.back(), "Error: Not every archive could be moved (see above)");
}

TEST_F(DirectStart, WithoutADisplayAFailureOnlyReports) {
  console.windows = false;
  game.host.modalScript = [](HeadlessWindow&) { ADD_FAILURE() << "a window opened"; };
  EXPECT_EQ(run({"--start", "ice.ini"}), kExitFailed);
  EXPECT_THAT(console.reported,
              ElementsAre("Error: No configuration \"ice.ini\" beside the launcher"));
}

TEST_F(DirectStart, ListHelpVersionAndUsagePrintWithoutAWindow) {
  game.host.modalScript = [](HeadlessWindow&) { ADD_FAILURE() << "a window opened"; };
  EXPECT_EQ(run({"--list"}), kExitDone);
  EXPECT_EQ(console.out, "frostpeak.ini\tFrost Peak (2)\nvornakgame.ini\tVornak ()\n");
  console.out.clear();
  EXPECT_EQ(run({"--version"}), kExitDone);
  EXPECT_EQ(console.out, std::string("VornakStarter ") + VS_VERSION + "\n");
  EXPECT_EQ(run({"--help"}), kExitDone);
  EXPECT_THAT(console.out, ::testing::HasSubstr("--start NAME"));
  EXPECT_EQ(run({"--start"}), kExitUsage);
  EXPECT_THAT(console.err, ::testing::StartsWith("VornakStarter: --start needs the file name"));
  EXPECT_THAT(game.processes.starts, IsEmpty());
  EXPECT_THAT(game.settings.writes, IsEmpty());
  EXPECT_EQ(namesIn(game.data()), std::set<std::string>{"other.mod"});
}

}  // namespace
}  // namespace vs::test
