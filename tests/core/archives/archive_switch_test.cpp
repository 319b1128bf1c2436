#include "core/archives/archive_switch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/archives/memory_file_system.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kData = "../data/";
const std::string kParking = "../data/modvdf/";

class ArchiveSwitch : public ::testing::Test {
 protected:
  ArchiveSwitch() {
    files.directories[kData];
    files.directories[kParking];
  }
  void park() { parkArchives(files, dirs, record()); }
  void activate(const std::string& vdf) { activateArchives(files, dirs, vdf, record()); }
  LogLine record() {
    return [this](const std::string& line) { log.push_back(line); };
  }

  MemoryFileSystem files;
  ArchiveDirectories dirs = archiveDirectories('/');
  std::vector<std::string> log;
};

TEST(ArchiveDirectoriesTest, BothSeparators) {
  EXPECT_EQ(archiveDirectories('/').data, "../data/");
  EXPECT_EQ(archiveDirectories('/').parking, "../data/modvdf/");
  EXPECT_EQ(archiveDirectories('\\').data, "..\\data\\");
  EXPECT_EQ(archiveDirectories('\\').parking, "..\\data\\modvdf\\");
}

TEST_F(ArchiveSwitch, ParkingTakesEveryModEntryOfAnyCaseInSearchOrder) {
  files.add(kData, "b.mod", "B");
  files.add(kData, "readme.txt", "R");
  files.add(kData, "UP.MOD", "U");
  files.add(kData, "x.mod", "", true);
  files.add(kData, "long.model", "L");
  files.add(kData, ".mod", "only the extension");
  park();
  EXPECT_THAT(log, ElementsAre("../data/b.mod --> ../data/modvdf/b.mod",
                               "../data/UP.MOD --> ../data/modvdf/UP.MOD",
                               "../data/x.mod --> ../data/modvdf/x.mod",
                               "../data/.mod --> ../data/modvdf/.mod"));
  EXPECT_THAT(files.names(kData), ElementsAre("readme.txt", "long.model"));
  EXPECT_THAT(files.names(kParking), ElementsAre("b.mod", "UP.MOD", "x.mod", ".mod"));
}

// No archive to park, no data directory, an empty list: no line, no move.
TEST_F(ArchiveSwitch, NothingToMoveWritesNoLineAndTriesNoMove) {
  files.add(kData, "readme.txt", "R");
  files.add(kParking, "a.mod", "A");
  park();
  activate("");
  activate(" ; \r\n");
  files.directories.erase(kData);
  park();
  EXPECT_THAT(log, IsEmpty());
  EXPECT_THAT(files.moveCalls, IsEmpty());
}

TEST_F(ArchiveSwitch, FailedParkingIsReportedAndTheEntryStays) {
  files.add(kData, "a.mod", "new");
  files.add(kParking, "a.mod", "old");
  files.add(kData, "b.mod", "B");
  files.add(kData, "c.mod", "C");
  files.failingMoves = {{"../data/b.mod", "Permission denied"}};
  park();
  EXPECT_THAT(log, ElementsAre("../data/a.mod --> ../data/modvdf/a.mod (failed: File exists)",
                               "../data/b.mod --> ../data/modvdf/b.mod (failed: Permission denied)",
                               "../data/c.mod --> ../data/modvdf/c.mod"));
  EXPECT_EQ(files.content("../data/a.mod"), "new");
  EXPECT_EQ(files.content("../data/modvdf/a.mod"), "old");
  EXPECT_EQ(files.content("../data/b.mod"), "B");
  EXPECT_EQ(files.content("../data/modvdf/c.mod"), "C");
}

TEST_F(ArchiveSwitch, MissingParkingDirectoryFailsEveryMoveAndKeepsEverything) {
  files.directories.erase(kParking);
  files.add(kData, "a.mod", "A");
  park();
  activate("a.mod b.mod");
  EXPECT_THAT(
      log,
      ElementsAre("../data/a.mod --> ../data/modvdf/a.mod (failed: No such file or directory)",
                  "../data/a.mod <-- ../data/modvdf/a.mod (failed: No such file or directory)",
                  "../data/b.mod <-- ../data/modvdf/b.mod (failed: No such file or directory)"));
  EXPECT_EQ(files.content("../data/a.mod"), "A");
}

TEST_F(ArchiveSwitch, ActivationMovesListedNamesInOrderAndTriesDuplicatesAgain) {
  files.add(kParking, "a.mod", "A");
  files.add(kParking, "b.mod", "B");
  files.add(kParking, "other.mod", "O");
  activate(" ;b.mod  a.mod x b.mod missing.mod;\r\n");
  EXPECT_THAT(
      log, ElementsAre("../data/b.mod <-- ../data/modvdf/b.mod",
                       "../data/a.mod <-- ../data/modvdf/a.mod",
                       "../data/b.mod <-- ../data/modvdf/b.mod (failed: No such file or directory)",
                       "../data/missing.mod <-- ../data/modvdf/missing.mod (failed: No such file "
                       "or directory)"));
  EXPECT_THAT(files.names(kData), ElementsAre("b.mod", "a.mod"));
  EXPECT_THAT(files.names(kParking), ElementsAre("other.mod"));
}

TEST_F(ArchiveSwitch, JoinedNamesAreOneName) {
  files.add(kParking, "a.mod", "A");
  files.add(kParking, "b.mod", "B");
  files.add(kParking, "a.mod;b.mod", "joined");
  activate("a.mod;b.mod a.mod,b.mod");
  EXPECT_THAT(files.moveCalls,
              ElementsAre(std::pair<std::string, std::string>("../data/modvdf/a.mod;b.mod",
                                                              "../data/a.mod;b.mod"),
                          std::pair<std::string, std::string>("../data/modvdf/a.mod,b.mod",
                                                              "../data/a.mod,b.mod")));
  EXPECT_EQ(files.content("../data/a.mod;b.mod"), "joined");
  EXPECT_THAT(files.names(kParking), ElementsAre("a.mod", "b.mod"));
}

TEST_F(ArchiveSwitch, ListedNameFindsItsParkedEntryWhateverTheCaseAndKeepsTheListedName) {
  files.add(kParking, "Zed.MOD", "Z");
  files.add(kParking, "abc.mod", "lower");
  files.add(kParking, "ABC.mod", "upper");
  files.add(kParking, "Abc.mod", "mixed");
  activate("zed.mod ABC.mod aBC.MOD");
  EXPECT_THAT(log, ElementsAre("../data/zed.mod <-- ../data/modvdf/zed.mod",
                               "../data/ABC.mod <-- ../data/modvdf/ABC.mod",
                               "../data/aBC.MOD <-- ../data/modvdf/aBC.MOD"));
  // Exact spelling first; then the byte-wise first of the other spellings.
  EXPECT_EQ(files.content("../data/zed.mod"), "Z");
  EXPECT_EQ(files.content("../data/ABC.mod"), "upper");
  EXPECT_EQ(files.content("../data/aBC.MOD"), "mixed");
  EXPECT_THAT(files.names(kParking), ElementsAre("abc.mod"));
}

TEST_F(ArchiveSwitch, ActivationOntoAnExistingEntryFailsAndKeepsBoth) {
  files.add(kData, "a.mod", "active");
  files.add(kParking, "a.mod", "parked");
  activate("a.mod");
  EXPECT_THAT(log, ElementsAre("../data/a.mod <-- ../data/modvdf/a.mod (failed: File exists)"));
  EXPECT_EQ(files.content("../data/a.mod"), "active");
  EXPECT_EQ(files.content("../data/modvdf/a.mod"), "parked");
}

TEST_F(ArchiveSwitch, SystemFailuresAreReportedWithTheSystemsReason) {
  files.add(kParking, "far.mod", "F");
  files.add(kParking, "locked.mod", "L");
  files.failingMoves = {{"../data/modvdf/far.mod", "Invalid cross-device link"},
                        {"../data/modvdf/locked.mod", "Permission denied"}};
  activate("far.mod locked.mod");
  EXPECT_THAT(
      log, ElementsAre("../data/far.mod <-- ../data/modvdf/far.mod (failed: Invalid cross-device "
                       "link)",
                       "../data/locked.mod <-- ../data/modvdf/locked.mod (failed: Permission "
                       "denied)"));
  EXPECT_EQ(files.content("../data/modvdf/far.mod"), "F");
  EXPECT_EQ(files.content("../data/modvdf/locked.mod"), "L");
  EXPECT_THAT(files.names(kData), IsEmpty());
}

TEST_F(ArchiveSwitch, NamesThatAreNotPlainFileNamesAreRefusedWithoutAMove) {
  files.add("../", "x.mod", "outside");
  activate("../x.mod a/b.mod .. . sub\\c.mod ok.mod");
  EXPECT_THAT(log,
              ElementsAre("../data/../x.mod <-- ../data/modvdf/../x.mod (refused: not a plain file "
                          "name)",
                          "../data/a/b.mod <-- ../data/modvdf/a/b.mod (refused: not a plain file "
                          "name)",
                          "../data/.. <-- ../data/modvdf/.. (refused: not a plain file name)",
                          "../data/sub\\c.mod <-- ../data/modvdf/sub\\c.mod (refused: not a plain "
                          "file name)",
                          "../data/ok.mod <-- ../data/modvdf/ok.mod (failed: No such file or "
                          "directory)"));
  ASSERT_EQ(files.moveCalls.size(), 1u);
  EXPECT_EQ(files.moveCalls[0].second, "../data/ok.mod");
  EXPECT_EQ(files.content("../x.mod"), "outside");
}

TEST_F(ArchiveSwitch, ArchiveAlreadyActiveIsParkedAndBroughtBack) {
  files.add(kData, "mine.mod", "M");
  files.add(kData, "theirs.mod", "T");
  files.add(kParking, "extra", "E");
  park();
  activate("mine.mod extra");
  EXPECT_THAT(log, ElementsAre("../data/mine.mod --> ../data/modvdf/mine.mod",
                               "../data/theirs.mod --> ../data/modvdf/theirs.mod",
                               "../data/mine.mod <-- ../data/modvdf/mine.mod",
                               "../data/extra <-- ../data/modvdf/extra"));
  EXPECT_THAT(files.names(kData), ElementsAre("mine.mod", "extra"));
  // A name without ".mod" is not parked by later starts.
  log.clear();
  park();
  EXPECT_THAT(log, ElementsAre("../data/mine.mod --> ../data/modvdf/mine.mod"));
  EXPECT_THAT(files.names(kData), ElementsAre("extra"));
}

}  // namespace
}  // namespace vs::test
