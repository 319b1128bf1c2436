#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/mods/mod_info.h"
#include "os/posix/posix_process_starter.h"
#include "support/game_fixture.h"
#include "support/stand_in.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::vector<int> kDevelopmentControls = {
    IDC_ACTIONS,     IDC_CONVERTALL,        IDC_CONVERTTEXTURES, IDC_PHYSICALFIRST,
    IDC_REPARSE,     IDC_AUTOCONVERT,       IDC_SPYLEVEL_LABEL,  IDC_SPYLEVEL,
    IDC_APPLICATION, IDC_APPLICATION_LABEL, IDC_HELP_BUTTON,
};

bool inDevelopmentFace(const HeadlessWindow& w) {
  return w.control(IDC_DEVELOPMENT).check != 0 && !w.control(IDC_ARCHIVELOG).visible;
}

bool inNormalFace(const HeadlessWindow& w) {
  for (int id : kDevelopmentControls) {
    if (w.control(id).visible)
      return false;
  }
  return w.control(IDC_DEVELOPMENT).check == 0 && w.control(IDC_ARCHIVELOG).visible;
}

int itemOf(const HeadlessWindow& w, const std::string& fileName) {
  const auto& items = w.control(IDC_MODLIST).items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (reinterpret_cast<const ModInfo*>(items[i].data)->fileName == fileName)
      return static_cast<int>(i);
  }
  throw std::logic_error("no item for " + fileName);
}

class Launch : public ::testing::Test {
 protected:
  Launch() {
    game.writeMod("vornakgame.ini", "title=Vornak\nvdf=\n");
    game.writeMod("mymod.ini", "title=Mine\nvdf=mine.mod\n");
    writeFile(game.data() / "other.mod", "o");
    writeFile(game.parking() / "mine.mod", "m");
  }
  const std::vector<std::string>& log() { return game.window().control(IDC_ARCHIVELOG).lines; }
  GameFixture game;
};

TEST_F(Launch, LogShowsTheMovesThenTheCallAndTheSwitchString) {
  HeadlessWindow& w = game.open();
  w.clickItem(itemOf(w, "mymod.ini"));
  w.click(IDC_WINDOWED);
  w.click(IDC_NOMUSIC);
  w.type(IDC_PARAMETERS, "  -x \"a b\"");
  w.control(IDC_ARCHIVELOG).repaints = 0;
  w.control(IDC_ARCHIVELOG).linesAtRepaint.clear();
  w.pressEnter();

  const std::string switches = " -game:mymod.ini -zwindow -znomusic   -x \"a b\"";
  EXPECT_THAT(log(), ElementsAre("../data/other.mod --> ../data/modvdf/other.mod",
                                 "../data/mine.mod <-- ../data/modvdf/mine.mod",
                                 "CALLING \"vornakmod.exe\"", "  " + switches));
  // Repainted after the clearing and after every line.
  EXPECT_THAT(w.control(IDC_ARCHIVELOG).linesAtRepaint, ElementsAre(0, 1, 2, 3, 4));
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].program, "vornakmod.exe");
  EXPECT_EQ(game.processes.starts[0].switches, switches);
  EXPECT_TRUE(std::filesystem::exists(game.data() / "mine.mod"));
  EXPECT_FALSE(w.ended());

  // Each attempt clears the log first; the base game has no archives.
  w.clickItem(itemOf(w, "vornakgame.ini"));
  w.type(IDC_PARAMETERS, "");
  w.pressEnter();
  EXPECT_THAT(log(), ElementsAre("../data/mine.mod --> ../data/modvdf/mine.mod",
                                 "CALLING \"vornakmod.exe\"",
                                 "   -game:vornakgame.ini -zwindow -znomusic "));
}

TEST_F(Launch, FailedStartAddsOneErrorLine) {
  HeadlessWindow& w = game.open();
  w.clickItem(itemOf(w, "vornakgame.ini"));
  game.processes.errorToReturn = 2;
  w.pressEnter();
  ASSERT_EQ(log().size(), 4u);
  EXPECT_EQ(log().back(), "Error: Path or file name not found");
  game.processes.errorToReturn = 99;
  w.pressEnter();
  EXPECT_EQ(log().back(), "Error: Unknown");
}

TEST_F(Launch, NoSelectionOrNoRecordStopsBeforeAnyMoveButLeavesTheDevelopmentFace) {
  HeadlessWindow& w = game.open();
  w.click(IDC_DEVELOPMENT);
  ASSERT_TRUE(inDevelopmentFace(w));
  w.control(IDC_MODLIST).selectionMark = -1;
  w.pressEnter();
  EXPECT_THAT(log(), ElementsAre("Please select a game!"));
  EXPECT_TRUE(inNormalFace(w));
  EXPECT_EQ(game.dialog().developmentMode, 0);

  w.click(IDC_DEVELOPMENT);
  w.control(IDC_MODLIST).selectionMark = 7;
  w.pressEnter();
  EXPECT_THAT(log(), ElementsAre("Couldn't find informations about the selected game."));
  EXPECT_TRUE(inNormalFace(w));

  EXPECT_THAT(game.processes.starts, IsEmpty());
  EXPECT_TRUE(std::filesystem::exists(game.data() / "other.mod"));
  EXPECT_TRUE(std::filesystem::exists(game.parking() / "mine.mod"));
}

TEST_F(Launch, SelectionMarkChoosesTheItemNotTheLastClick) {
  HeadlessWindow& w = game.open();
  w.clickItem(itemOf(w, "vornakgame.ini"));
  w.control(IDC_MODLIST).selectionMark = itemOf(w, "mymod.ini");
  w.pressEnter();
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].switches, " -game:mymod.ini ");
}

TEST_F(Launch, DoubleClickStartsTheDoubleClickedItemAndTheDialogStaysOpen) {
  HeadlessWindow& w = game.open();
  w.clickItem(itemOf(w, "vornakgame.ini"));
  w.doubleClickItem(itemOf(w, "mymod.ini"));
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].switches, " -game:mymod.ini ");
  EXPECT_FALSE(w.ended());
}

TEST_F(Launch, HiddenDevelopmentChoicesStillCount) {
  HeadlessWindow& w = game.open();
  w.click(IDC_DEVELOPMENT);
  w.selectCombo(IDC_APPLICATION, 1);
  w.click(IDC_CONVERTALL);
  w.selectCombo(IDC_SPYLEVEL, 3);
  w.click(IDC_DEVELOPMENT);
  ASSERT_TRUE(inNormalFace(w));
  w.clickItem(itemOf(w, "mymod.ini"));
  w.pressEnter();
  w.click(IDC_DEVELOPMENT);
  w.click(IDC_PHYSICALFIRST);
  w.pressEnter();  // switches the face off again, keeping every choice
  EXPECT_TRUE(inNormalFace(w));
  EXPECT_EQ(w.control(IDC_CONVERTALL).check, 1);
  w.pressEnter();
  ASSERT_EQ(game.processes.starts.size(), 3u);
  EXPECT_EQ(game.processes.starts[0].program, "morlex.exe");
  EXPECT_EQ(game.processes.starts[0].switches, " -game:mymod.ini -zconvertall -zlog:8,s ");
  EXPECT_EQ(log()[log().size() - 2], "CALLING \"morlex.exe\"");
  for (std::size_t i : {1u, 2u}) {
    EXPECT_EQ(game.processes.starts[i].switches,
              " -game:mymod.ini -vdfs:physicalfirst -zconvertall -zlog:8,s ");
  }
}

TEST_F(Launch, ApplicationOutsideTheTableDoesNothingAtAll) {
  HeadlessWindow& w = game.open();
  w.click(IDC_DEVELOPMENT);
  w.selectCombo(IDC_APPLICATION, -1);
  w.control(IDC_ARCHIVELOG).lines = {"earlier"};
  const int repaints = w.control(IDC_ARCHIVELOG).repaints;
  w.pressEnter();
  w.doubleClickItem(0);
  EXPECT_THAT(log(), ElementsAre("earlier"));
  EXPECT_EQ(w.control(IDC_ARCHIVELOG).repaints, repaints);
  EXPECT_TRUE(inDevelopmentFace(w));
  EXPECT_THAT(game.processes.starts, IsEmpty());
  EXPECT_TRUE(std::filesystem::exists(game.data() / "other.mod"));
}

// The dialog with the real POSIX start instead of the recording one.
struct RealStarts {
  explicit RealStarts(GameFixture& game)
      : dialog(Services{game.host, game.files, starter, game.settings, game.location}),
        window(game.host.open(dialog)) {}
  ~RealStarts() { dialog.attachControls(nullptr); }
  PosixProcessStarter starter;
  StarterDialog dialog;
  std::unique_ptr<HeadlessWindow> window;
};

TEST_F(Launch, RealStartsReportWhatTheSystemSaid) {
  PathGuard path("/usr/bin:/bin");
  RealStarts real(game);
  HeadlessWindow& w = *real.window;
  w.clickItem(itemOf(w, "mymod.ini"));
  const auto& lines = w.control(IDC_ARCHIVELOG).lines;

  w.pressEnter();
  EXPECT_EQ(lines.back(), "Error: Path or file name not found");
  EXPECT_EQ(lines[lines.size() - 3], "CALLING \"vornakmod.exe\"");

  writeExecutable(game.bin() / "vornakmod.exe", recordingScript(game.bin() / "record"), false);
  w.pressEnter();
  EXPECT_EQ(lines.back(), "Error: Permission denied");

  writeExecutable(game.bin() / "vornakmod.exe",
                  "\x7f"
                  "ELF garbage\n");
  w.pressEnter();
  EXPECT_EQ(lines.back(), "Error: Exec format error");

  writeExecutable(game.bin() / "vornakmod.exe", recordingScript(game.bin() / "record"));
  w.type(IDC_PARAMETERS, "-save \"slot 2\"");
  w.pressEnter();
  EXPECT_EQ(lines.back(), "   -game:mymod.ini -save \"slot 2\"");
  EXPECT_THAT(waitForFile(game.bin() / "record"), "\n[-game:mymod.ini]\n[-save]\n[slot 2]\n");
  EXPECT_TRUE(waitForNoChildren().empty());
}

TEST_F(Launch, RealStartFindsTheProgramOnPath) {
  TempDir tools;
  PathGuard path(tools.path().string() + ":/usr/bin:/bin");
  writeExecutable(tools / "morlex.exe", recordingScript(game.bin() / "record", "editor"));
  RealStarts real(game);
  HeadlessWindow& w = *real.window;
  w.click(IDC_DEVELOPMENT);
  w.selectCombo(IDC_APPLICATION, 1);
  w.pressEnter();
  EXPECT_THAT(w.control(IDC_ARCHIVELOG).lines.back(), HasSubstr("-game:"));
  EXPECT_THAT(waitForFile(game.bin() / "record"), HasSubstr("editor\n[-game:"));
  EXPECT_TRUE(waitForNoChildren().empty());
}

}  // namespace
}  // namespace vs::test
