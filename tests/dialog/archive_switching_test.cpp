#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

std::vector<std::string> entryNames(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory))
    if (entry.path().filename() != "modvdf")
      names.push_back(entry.path().filename().string());
  return names;
}

// The log's lines added since `from`, and the line counts its repaints saw.
struct LogSince {
  std::vector<std::string> lines;
  std::vector<std::size_t> repaints;
};
LogSince logSince(const HeadlessControl& log, std::size_t fromLines, std::size_t fromRepaints) {
  return {{log.lines.begin() + static_cast<long>(fromLines), log.lines.end()},
          {log.linesAtRepaint.begin() + static_cast<long>(fromRepaints), log.linesAtRepaint.end()}};
}

class ArchiveSwitching : public ::testing::Test {
 protected:
  ArchiveSwitching() : w(game.open()), log(w.control(IDC_ARCHIVELOG)) {}
  GameFixture game;
  HeadlessWindow& w;
  HeadlessControl& log;
};

TEST_F(ArchiveSwitching, ParkingMovesEveryModEntryAndShowsEachLineAtOnce) {
  writeFile(game.data() / "a.mod", "A");
  writeFile(game.data() / "B.MOD", "B");
  writeFile(game.data() / "x.mod" / "inner", "X");
  writeFile(game.data() / "readme.txt", "R");
  writeFile(game.data() / "long.model", "L");
  const std::size_t lines = log.lines.size(), repaints = log.linesAtRepaint.size();

  game.dialog().deactivateModArchives();

  const LogSince added = logSince(log, lines, repaints);
  EXPECT_THAT(added.lines, UnorderedElementsAre("../data/a.mod --> ../data/modvdf/a.mod",
                                                "../data/B.MOD --> ../data/modvdf/B.MOD",
                                                "../data/x.mod --> ../data/modvdf/x.mod"));
  EXPECT_THAT(added.repaints, ElementsAre(lines + 1, lines + 2, lines + 3));
  EXPECT_THAT(entryNames(game.data()), UnorderedElementsAre("readme.txt", "long.model"));
  EXPECT_EQ(readFile(game.parking() / "B.MOD"), "B");
  EXPECT_EQ(readFile(game.parking() / "x.mod" / "inner"), "X");
}

TEST_F(ArchiveSwitching, ActivationBringsBackTheListInOrderAndTransfersTheMembers) {
  writeFile(game.parking() / "one.mod", "1");
  writeFile(game.parking() / "TWO.MOD", "2");
  writeFile(game.parking() / "spare.mod", "S");
  game.dialog().parameters = "-typed";  // not yet in the control
  const std::size_t lines = log.lines.size(), repaints = log.linesAtRepaint.size();

  game.dialog().activateModArchives(";two.mod  x one.mod two.mod\r\n");

  const LogSince added = logSince(log, lines, repaints);
  EXPECT_THAT(added.lines,
              ElementsAre("../data/two.mod <-- ../data/modvdf/two.mod",
                          "../data/one.mod <-- ../data/modvdf/one.mod",
                          "../data/two.mod <-- ../data/modvdf/two.mod (failed: No such file or "
                          "directory)"));
  EXPECT_THAT(added.repaints, ElementsAre(lines + 1, lines + 2, lines + 3));
  EXPECT_THAT(entryNames(game.data()), UnorderedElementsAre("two.mod", "one.mod"));
  EXPECT_EQ(readFile(game.data() / "two.mod"), "2");
  EXPECT_THAT(entryNames(game.parking()), ElementsAre("spare.mod"));
  EXPECT_EQ(w.control(IDC_PARAMETERS).text, "-typed");
}

TEST_F(ArchiveSwitching, ActiveArchiveOfTheStartedModEndsActiveAndOthersParked) {
  writeFile(game.data() / "mine.mod", "M");
  writeFile(game.data() / "theirs.mod", "T");
  writeFile(game.parking() / "tools.pak", "P");
  game.dialog().deactivateModArchives();
  game.dialog().activateModArchives("mine.mod tools.pak");
  EXPECT_THAT(entryNames(game.data()), UnorderedElementsAre("mine.mod", "tools.pak"));
  EXPECT_THAT(entryNames(game.parking()), ElementsAre("theirs.mod"));

  // Later starts never take back a name without ".mod".
  game.dialog().deactivateModArchives();
  game.dialog().activateModArchives("");
  EXPECT_THAT(entryNames(game.data()), ElementsAre("tools.pak"));
}

TEST_F(ArchiveSwitching, CollisionsOfAnyCaseLoseNothing) {
  writeFile(game.data() / "same.mod", "active");
  writeFile(game.parking() / "same.mod", "parked");
  writeFile(game.data() / "Case.MOD", "data copy");
  writeFile(game.parking() / "case.mod", "parked copy");
  const std::size_t lines = log.lines.size();

  game.dialog().deactivateModArchives();
  game.dialog().activateModArchives("same.mod case.mod");

  const LogSince added = logSince(log, lines, 0);
  EXPECT_THAT(added.lines, UnorderedElementsAre(
                               "../data/same.mod --> ../data/modvdf/same.mod (failed: File exists)",
                               "../data/Case.MOD --> ../data/modvdf/Case.MOD",
                               "../data/same.mod <-- ../data/modvdf/same.mod (failed: File exists)",
                               "../data/case.mod <-- ../data/modvdf/case.mod"));
  EXPECT_EQ(readFile(game.data() / "same.mod"), "active");
  EXPECT_EQ(readFile(game.parking() / "same.mod"), "parked");
  // The exact spelling is brought back; the other spelling stays parked.
  EXPECT_EQ(readFile(game.data() / "case.mod"), "parked copy");
  EXPECT_EQ(readFile(game.parking() / "Case.MOD"), "data copy");
}

TEST_F(ArchiveSwitching, ParkedNameOfAnotherCaseComesBackUnderTheListedName) {
  writeFile(game.parking() / "Big.MOD", "B");
  game.dialog().activateModArchives("big.mod");
  EXPECT_THAT(log.lines, ElementsAre("../data/big.mod <-- ../data/modvdf/big.mod"));
  EXPECT_THAT(entryNames(game.data()), ElementsAre("big.mod"));
  EXPECT_EQ(readFile(game.data() / "big.mod"), "B");
}

TEST_F(ArchiveSwitching, NamesReachingOutOfTheDirectoriesAreRefused) {
  writeFile(game.root / "x.mod", "outside");
  writeFile(game.bin() / "b.mod", "bin");
  game.dialog().activateModArchives("../../x.mod ../../bin/b.mod .. .");
  EXPECT_THAT(
      log.lines,
      ElementsAre("../data/../../x.mod <-- ../data/modvdf/../../x.mod (refused: not a "
                  "plain file name)",
                  "../data/../../bin/b.mod <-- ../data/modvdf/../../bin/b.mod (refused: not "
                  "a plain file name)",
                  "../data/.. <-- ../data/modvdf/.. (refused: not a plain file name)"));
  EXPECT_EQ(readFile(game.root / "x.mod"), "outside");
  EXPECT_EQ(readFile(game.bin() / "b.mod"), "bin");
  EXPECT_THAT(entryNames(game.data()), IsEmpty());
}

TEST_F(ArchiveSwitching, MissingDirectoriesMoveNothing) {
  writeFile(game.data() / "a.mod", "A");
  fs::remove(game.parking());
  game.dialog().deactivateModArchives();
  EXPECT_THAT(log.lines, ElementsAre("../data/a.mod --> ../data/modvdf/a.mod (failed: No such "
                                     "file or directory)"));
  EXPECT_EQ(readFile(game.data() / "a.mod"), "A");

  fs::remove_all(game.data());
  log.lines.clear();
  game.dialog().deactivateModArchives();
  EXPECT_THAT(log.lines, IsEmpty());
  game.dialog().activateModArchives("a.mod");
  EXPECT_THAT(log.lines, ElementsAre("../data/a.mod <-- ../data/modvdf/a.mod (failed: No such "
                                     "file or directory)"));
}

}  // namespace
}  // namespace vs::test
