#include "os/posix/posix_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_dir.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

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
  EXPECT_THAT(files.findByExtension("", ".ini"), UnorderedElementsAre("here.ini"));
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
}

// A pipe put in place of a file after the search must not hang the launcher.
TEST_F(PosixFiles, OpenForReadingAPipeWithoutWriterDoesNotBlock) {
  ASSERT_EQ(::mkfifo(at("pipe.ini").c_str(), 0600), 0);
  const auto source = files.openForReading(at("pipe.ini"));
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(readAll(*source), "");
}

TEST_F(PosixFiles, ResolvePrefersTheExactNameThenTheFirstOtherSpelling) {
  writeFile(dir / "abc.mod", "");
  writeFile(dir / "ABC.mod", "");
  writeFile(dir / "Abc.MOD", "");
  EXPECT_EQ(files.resolveExisting(at("abc.mod")), at("abc.mod"));
  EXPECT_EQ(files.resolveExisting(at("Abc.MOD")), at("Abc.MOD"));
  EXPECT_EQ(files.resolveExisting(at("aBc.mod")), at("ABC.mod"));  // "ABC" < "abc" byte-wise
  EXPECT_EQ(files.resolveExisting(at("none.mod")), at("none.mod"));
  EXPECT_EQ(files.resolveExisting(at("missing/abc.mod")), at("missing/abc.mod"));
}

// Folders and names in another case, as a Windows installation has them. A
// name moved away meanwhile is looked for again, not taken from the folder
// listing kept since.
TEST_F(PosixFiles, MovesFindFoldersAndNamesInAnotherCaseAndKeepTheTargetName) {
  writeFile(dir / "Data" / "ModVDF" / "abc.MOD", "second");
  writeFile(dir / "Data" / "ModVDF" / "ABC.mod", "first");
  EXPECT_THAT(files.findByExtension(at("data/modvdf/"), ".mod"), ElementsAre("ABC.mod", "abc.MOD"));
  EXPECT_EQ(files.moveNoReplace(at("data/modvdf/abc.mod"), at("data/abc.mod")), std::nullopt);
  EXPECT_EQ(files.moveNoReplace(at("data/modvdf/abc.mod"), at("DATA/next.mod")), std::nullopt);
  EXPECT_EQ(files.moveNoReplace(at("data/modvdf/abc.mod"), at("data/last.mod")),
            "No such file or directory");
  EXPECT_EQ(readFile(dir / "Data" / "abc.mod"), "first");
  EXPECT_EQ(readFile(dir / "Data" / "next.mod"), "second");
  EXPECT_TRUE(fs::is_empty(dir / "Data" / "ModVDF"));
}

using Move = std::optional<std::string> (*)(PosixFileSystem&, const std::string&,
                                            const std::string&);

std::optional<std::string> withFlag(PosixFileSystem& files, const std::string& from,
                                    const std::string& to) {
  return files.moveNoReplace(from, to);
}

std::optional<std::string> withoutFlag(PosixFileSystem&, const std::string& from,
                                       const std::string& to) {
  return moveWithoutRenameFlag(from, to);
}

// Both ways of moving must give the same answers.
class PosixMove : public PosixFiles, public ::testing::WithParamInterface<Move> {
 protected:
  std::optional<std::string> move(const std::string& from, const std::string& to) {
    return GetParam()(files, at(from), at(to));
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

INSTANTIATE_TEST_SUITE_P(BothWays, PosixMove, ::testing::Values(&withFlag, &withoutFlag),
                         [](const ::testing::TestParamInfo<Move>& info) {
                           return info.param == &withFlag ? std::string("RenameFlag")
                                                          : std::string("LinkOrReservedDirectory");
                         });

}  // namespace
}  // namespace vs::test
