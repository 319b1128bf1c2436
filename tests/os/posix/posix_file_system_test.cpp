#include "os/posix/posix_file_system.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "os/posix/descriptor_source.h"
#include "os/posix/posix_archive_moves.h"
#include "support/temp_dir.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PosixFiles : public ::testing::Test {
 protected:
  std::string at(const std::string& relative) const { return (dir / relative).string(); }
  TempDir dir;
  PosixFileSystem files;
};

// A name that is only the extension counts, as it does on Windows.
TEST_F(PosixFiles, FindTakesFilesDirectoriesAndTheBareExtensionWhateverTheCase) {
  writeFile(dir / "a.mod", "");
  writeFile(dir / "B.MOD", "");
  writeFile(dir / "c.Mod", "");
  writeFile(dir / "long.model", "");
  writeFile(dir / "notes.txt", "");
  writeFile(dir / ".mod", "");
  fs::create_directory(dir / "sub.mod");
  EXPECT_THAT(files.findByExtension(at("") + "/", ".mod"),
              ElementsAre(".mod", "a.mod", "B.MOD", "c.Mod", "sub.mod"));
  EXPECT_THAT(files.findByExtension(at("missing/"), ".mod"), IsEmpty());
}

TEST_F(PosixFiles, FindWithAnEmptyDirectorySearchesTheWorkingDirectory) {
  WorkingDirectoryGuard guard;
  writeFile(dir / "here.ini", "");
  fs::current_path(dir.path());
  EXPECT_THAT(files.findByExtension("", ".ini"), ElementsAre("here.ini"));
}

std::string readAll(ByteSource& source) {
  std::string text;
  char block[100];
  while (const std::size_t got = source.read(block, sizeof block)) text.append(block, got);
  return text;
}

TEST_F(PosixFiles, OpenForReadingGivesTheWholeFileAndNullWhenMissing) {
  std::string content;
  for (int i = 0; i < 1000; ++i) content += "line " + std::to_string(i) + "\n";
  writeFile(dir / "big.ini", content);
  const auto source = files.openForReading(at("big.ini"));
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(readAll(*source), content);
  char after[1];
  EXPECT_EQ(source->read(after, sizeof after), 0u);
  EXPECT_EQ(files.openForReading(at("absent.ini")), nullptr);
  // Missing as written: the folder and the name found without regard to case.
  writeFile(dir / "Sub" / "Mixed.INI", "mixed");
  writeFile(dir / "Sub" / "mixed.ini", "exact");
  EXPECT_EQ(readAll(*files.openForReading(at("sub/MIXED.ini"))), "mixed");
  EXPECT_EQ(readAll(*files.openForReading(at("SUB/mixed.ini"))), "exact");
}

// A pipe put in place of a file after the search must not hang the launcher.
TEST_F(PosixFiles, OpenForReadingAPipeWithoutWriterDoesNotBlock) {
  ASSERT_EQ(::mkfifo(at("pipe.ini").c_str(), 0600), 0);
  const auto source = files.openForReading(at("pipe.ini"));
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(readAll(*source), "");
}

// A read that gives fewer bytes than asked is not the end: only a read that
// gives none is. Seen through a pipe whose writer pauses between its lines.
TEST(DescriptorSource, ReadsOnAfterAShortReadUntilTheEnd) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  std::thread writer([&] {
    EXPECT_EQ(::write(ends[1], "[info]\n", 7), 7);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(::write(ends[1], "title=x\n", 8), 8);
    ::close(ends[1]);
  });
  DescriptorSource source(ends[0]);
  EXPECT_EQ(readAll(source), "[info]\ntitle=x\n");
  writer.join();
}

// What the prefetch read at start-up serves the first search of its folder
// as the folder itself would; the next search, and a search elsewhere, read
// the disk.
TEST_F(PosixFiles, APrefetchServesTheFirstSearchOfItsFolderOnly) {
  WorkingDirectoryGuard guard;
  const std::string big(PrefetchedFolder::kMaxBytes + 10, 'x');
  writeFile(dir / "b.ini", "[info]\ntitle=B\n");
  writeFile(dir / "A.INI", "[info]\ntitle=A\n");
  writeFile(dir / "big.ini", big);
  writeFile(dir / "notes.txt", "");
  fs::create_directory(dir / "sub.ini");
  ASSERT_EQ(::mkfifo(at("pipe.ini").c_str(), 0600), 0);
  fs::create_directory(dir / "other");
  fs::current_path(dir.path());
  const auto listed = ElementsAre("A.INI", "b.ini", "big.ini", "sub.ini");

  files.prefetch(dir.path().string(), ".ini");
  EXPECT_THAT(files.findByExtension("", ".ini"), listed);
  writeFile(dir / "b.ini", "changed");  // after the prefetch read it
  writeFile(dir / "big.ini", big + "y");
  EXPECT_EQ(readAll(*files.openForReading("b.ini")), "[info]\ntitle=B\n");
  EXPECT_EQ(readAll(*files.openForReading("A.INI")), "[info]\ntitle=A\n");
  EXPECT_EQ(readAll(*files.openForReading("big.ini")), big + "y");  // too large to keep
  EXPECT_THAT(files.findByExtension("", ".ini"), listed);
  EXPECT_EQ(readAll(*files.openForReading("b.ini")), "changed");

  PosixFileSystem elsewhere;
  elsewhere.prefetch(at("other"), ".ini");
  EXPECT_THAT(elsewhere.findByExtension("", ".ini"), listed);
  EXPECT_EQ(readAll(*elsewhere.openForReading("b.ini")), "changed");
}

// The moves of one operation through the data and parking folders as given.
class PosixArchiveMoveTest : public PosixFiles {
 protected:
  std::unique_ptr<ArchiveMoves> open(const std::string& data = "data/",
                                     const std::string& parking = "data/modvdf/") {
    return files.openArchiveMoves({at(data), at(parking)});
  }
};

// The listed spelling first, else the first other one in name order; one
// taken meanwhile by someone else gives way to the next.
TEST_F(PosixArchiveMoveTest, BringBackPrefersTheExactNameThenTheFirstOtherSpelling) {
  for (const char* name : {"abc.mod", "ABC.mod", "Abc.MOD", "x.MOD", "X.Mod", "x.mOD"})
    writeFile(dir / "data" / "modvdf" / name, name);
  const auto moves = open();
  EXPECT_EQ(moves->bringBack("abc.mod"), std::nullopt);
  EXPECT_EQ(moves->bringBack("aBc.mod"), std::nullopt);
  EXPECT_EQ(moves->bringBack("x.mod"), std::nullopt);
  fs::remove(dir / "data" / "modvdf" / "x.MOD");
  EXPECT_EQ(moves->bringBack("X.MOD"), std::nullopt);
  EXPECT_EQ(moves->bringBack("none.mod"), "No such file or directory");
  EXPECT_EQ(moves->bringBack("ABC.MOD"), std::nullopt);
  EXPECT_EQ(readFile(dir / "data" / "abc.mod"), "abc.mod");
  EXPECT_EQ(readFile(dir / "data" / "aBc.mod"), "ABC.mod");  // "ABC" < "Abc" byte-wise
  EXPECT_EQ(readFile(dir / "data" / "x.mod"), "X.Mod");
  EXPECT_EQ(readFile(dir / "data" / "X.MOD"), "x.mOD");
  EXPECT_EQ(readFile(dir / "data" / "ABC.MOD"), "Abc.MOD");
  EXPECT_TRUE(fs::is_empty(dir / "data" / "modvdf"));
}

// Folders and names in another case, as a Windows installation has them:
// parking lists the data folder once, in name order, and keeps the names.
TEST_F(PosixArchiveMoveTest, FindsFoldersInAnotherCaseAndKeepsTheNames) {
  for (const char* name : {"b.MOD", "A.mod", "readme.txt", "long.model"})
    writeFile(dir / "Data" / name, name);
  fs::create_directories(dir / "Data" / "ModVDF");
  const auto moves = open();
  const std::vector<std::string_view> names = moves->parkable(".mod");
  EXPECT_THAT(names, ElementsAre("A.mod", "b.MOD"));
  for (const std::string_view name : names) EXPECT_EQ(moves->park(name), std::nullopt);
  EXPECT_EQ(moves->park("gone.mod"), "No such file or directory");
  EXPECT_EQ(readFile(dir / "Data" / "ModVDF" / "b.MOD"), "b.MOD");
  EXPECT_EQ(open()->bringBack("a.mod"), std::nullopt);
  EXPECT_EQ(readFile(dir / "Data" / "a.mod"), "A.mod");
  EXPECT_THAT(open("nowhere/")->parkable(".mod"), IsEmpty());
  EXPECT_EQ(open("nowhere/", "data/modvdf/")->bringBack("b.mod"), "No such file or directory");
  EXPECT_EQ(open("data/", "data/none/")->park("a.mod"), "No such file or directory");
}

using Move = int (*)(int, const char*, int, const char*);

std::optional<std::string> reason(int error) {
  return error == 0 ? std::nullopt : std::optional<std::string>(std::strerror(error));
}

// Both ways of moving must give the same answers.
class PosixMove : public PosixFiles, public ::testing::WithParamInterface<Move> {
 protected:
  std::optional<std::string> move(const std::string& from, const std::string& to) {
    return reason(GetParam()(AT_FDCWD, at(from).c_str(), AT_FDCWD, at(to).c_str()));
  }
};

TEST_P(PosixMove, MovesAFileAndLeavesNoSecondName) {
  fs::create_directory(dir / "park");
  writeFile(dir / "a.mod", "archive");
  EXPECT_EQ(move("a.mod", "park/a.mod"), std::nullopt);
  EXPECT_FALSE(fs::exists(dir / "a.mod"));
  EXPECT_EQ(readFile(dir / "park" / "a.mod"), "archive");
  EXPECT_EQ(fs::hard_link_count(dir / "park" / "a.mod"), 1u);
}

TEST_P(PosixMove, MovesADirectoryWithItsContent) {
  fs::create_directory(dir / "park");
  writeFile(dir / "x.mod" / "inner", "inside");
  EXPECT_EQ(move("x.mod", "park/x.mod"), std::nullopt);
  EXPECT_FALSE(fs::exists(dir / "x.mod"));
  EXPECT_EQ(readFile(dir / "park" / "x.mod" / "inner"), "inside");
}

TEST_P(PosixMove, NeverReplacesAnExistingEntry) {
  writeFile(dir / "file.mod", "file");
  writeFile(dir / "other.mod", "other");
  fs::create_directory(dir / "empty");
  writeFile(dir / "tree" / "inner", "inside");

  EXPECT_EQ(move("file.mod", "other.mod"), "File exists");
  EXPECT_TRUE(move("tree", "empty").has_value());  // a plain rename would replace it
  EXPECT_TRUE(move("tree", "other.mod").has_value());

  EXPECT_EQ(readFile(dir / "file.mod"), "file");
  EXPECT_EQ(readFile(dir / "other.mod"), "other");
  EXPECT_TRUE(fs::is_empty(dir / "empty"));
  EXPECT_EQ(readFile(dir / "tree" / "inner"), "inside");
}

TEST_P(PosixMove, FileOntoAnEmptyDirectoryKeepsBoth) {
  writeFile(dir / "file.mod", "file");
  fs::create_directory(dir / "empty");
  EXPECT_TRUE(move("file.mod", "empty").has_value());
  EXPECT_EQ(readFile(dir / "file.mod"), "file");
  EXPECT_TRUE(fs::is_directory(dir / "empty"));
}

TEST_P(PosixMove, MissingSourceOrDestinationDirectoryFails) {
  writeFile(dir / "a.mod", "archive");
  EXPECT_EQ(move("gone.mod", "b.mod"), "No such file or directory");
  EXPECT_EQ(move("a.mod", "missing/a.mod"), "No such file or directory");
  EXPECT_EQ(readFile(dir / "a.mod"), "archive");
}

INSTANTIATE_TEST_SUITE_P(BothWays, PosixMove,
                         ::testing::Values(&moveNoReplaceAt, &moveWithoutRenameFlag),
                         [](const ::testing::TestParamInfo<Move>& info) {
                           return info.param == &moveNoReplaceAt
                                      ? std::string("RenameFlag")
                                      : std::string("LinkOrReservedDirectory");
                         });

}  // namespace
}  // namespace vs::test
