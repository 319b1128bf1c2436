#include "core/mods/mod_info.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/trickle_source.h"

namespace vs::test {
namespace {

// The record's fields but the file name, compared as one.
struct Record {
  std::string title = "?";
  std::string description = "no description available";
  std::string authors, version, webpage, vdf;
  std::int32_t icon = 0;
  bool valid = false;
  bool operator==(const Record&) const = default;
  friend void PrintTo(const Record& r, std::ostream* out) {
    *out << "{title=" << r.title << " description=" << r.description << " authors=" << r.authors
         << " version=" << r.version << " webpage=" << r.webpage << " vdf=" << r.vdf
         << " icon=" << r.icon << " valid=" << r.valid << "}";
  }
};

Record recordOf(const ModInfo& m) {
  return {m.title, m.description, m.authors, m.version, m.webpage, m.vdf, m.icon, m.valid};
}

// Writes `content` as one file and reads it back as a record.
class ModInfoFile : public ::testing::Test {
 protected:
  ModInfo read(const std::string& content) {
    const auto path = dir / ("mod" + std::to_string(++files_) + ".ini");
    writeFile(path, content);
    return ModInfo(path.string());
  }
  TempDir dir;

 private:
  int files_ = 0;
};

TEST_F(ModInfoFile, ThreeLineFileGivesTheDocumentedRecord) {
  const ModInfo m = read("[info]\ntitle = My Mod \nvdf=mymod.mod\n");
  EXPECT_EQ(recordOf(m), (Record{.title = "My Mod", .vdf = "mymod.mod", .valid = true}));
}

TEST_F(ModInfoFile, FileNameIsTheNameGivenNotAnythingInTheFile) {
  const auto path = (dir / "Some.INI").string();
  writeFile(path, "[info]\nfilename=other.ini\ntitle=a\nvdf=b\n");
  const ModInfo m(path);
  EXPECT_EQ(m.fileName, path);
  const ModInfo opened("shown.ini", path);
  EXPECT_EQ(opened.fileName, "shown.ini");
  EXPECT_EQ(opened.title, "a");
  EXPECT_TRUE(opened.valid);
}

TEST_F(ModInfoFile, KeysAreMatchedInLowerCaseAndValuesKeepTheirCase) {
  const ModInfo m = read("[INFO]\nTITLE=My Mod\nVdf=MyMod.mod\nDescription=Big CASTLE\n");
  EXPECT_EQ(m.title, "My Mod");
  EXPECT_EQ(m.vdf, "MyMod.mod");
  EXPECT_EQ(m.description, "Big CASTLE");
  EXPECT_TRUE(m.valid);
}

TEST_F(ModInfoFile, HeaderCountsAnywhereInTheLineInAnyCase) {
  for (const char* header : {"[info]", "[INFO]", "  [Info]", "x[info]y", "[iNfO];comment"}) {
    SCOPED_TRACE(header);
    const ModInfo m = read("junk\n" + std::string(header) + "\ntitle=A\nvdf=x\n");
    EXPECT_TRUE(m.valid);
    EXPECT_EQ(m.title, "A");
  }
  for (const char* notHeader : {"[ info ]", "[info", "info]", "[in fo]", "[inf]"}) {
    SCOPED_TRACE(notHeader);
    const ModInfo m = read(std::string(notHeader) + "\ntitle=A\nvdf=x\n");
    EXPECT_FALSE(m.valid);
    EXPECT_EQ(m.title, "?");
  }
}

TEST_F(ModInfoFile, LinesBeforeTheHeaderAndTheHeaderLineItselfAreNotRead) {
  const ModInfo before = read("title=A\nvdf=x\n[info]\n");
  EXPECT_EQ(recordOf(before), Record{});

  const ModInfo onHeader = read("[info] title=A\nvdf=x\n");
  EXPECT_EQ(recordOf(onHeader), Record{.vdf = "x"});  // only one key line counted
}

TEST_F(ModInfoFile, NoEndOfSection) {
  const ModInfo m = read("[info]\ntitle=A\n[other]\nvdf=x\n[info]\nversion=2\n");
  EXPECT_TRUE(m.valid);
  EXPECT_EQ(m.vdf, "x");
  EXPECT_EQ(m.version, "2");
}

TEST_F(ModInfoFile, TrimsSpaceSemicolonCrAndLfButNotTab) {
  const ModInfo m = read(
      "[info]\r\n"
      ";title=Old name\r\n"
      " ; title ;  = ; My Mod ;\r\n"
      "vdf=a; b\r\n"
      "version=\t1.0\t\r\n"
      "authors\t=Someone\r\n"
      "webpage= ;; ; \r\n");
  // "authors\t" is no key.
  EXPECT_EQ(recordOf(m),
            (Record{.title = "My Mod", .version = "\t1.0\t", .vdf = "a; b", .valid = true}));
}

TEST_F(ModInfoFile, KeyNeedsAnEqualsSignAfterItsFirstCharacter) {
  const ModInfo m = read("[info]\n=A\ntitle A\ntitle==A\nwebpage=a=b\nvdf=x\n");
  EXPECT_EQ(m.title, "=A");
  EXPECT_EQ(m.webpage, "a=b");
  EXPECT_TRUE(m.valid);
}

TEST_F(ModInfoFile, OnlyTheSevenWholeKeysAreRead) {
  const ModInfo m = read(
      "[info]\ntitlefoo=1\ntitle2=2\nvdfs=3\nicons=4\nauthor=5\nversion=v\n"
      "description=d\nauthors=a\nwebpage=w\nicon=7\n");
  EXPECT_EQ(
      recordOf(m),
      (Record{.description = "d", .authors = "a", .version = "v", .webpage = "w", .icon = 7}));
}

TEST_F(ModInfoFile, LastOccurrenceWinsAndEmptyValuesReplaceDefaults) {
  const ModInfo m =
      read("[info]\ntitle=A\ntitle=B\ndescription=first\ndescription=\nicon=3\nicon=x\n");
  EXPECT_EQ(m.title, "B");
  EXPECT_EQ(m.description, "");
  EXPECT_EQ(m.icon, 0);
  EXPECT_TRUE(m.valid);  // two title lines count twice

  EXPECT_EQ(read("[info]\ntitle=\nvdf=\n").title, "");
}

TEST_F(ModInfoFile, ValidityNeedsTwoTitleOrVdfLines) {
  EXPECT_TRUE(read("[info]\ntitle=A\nvdf=x\n").valid);
  EXPECT_TRUE(read("[info]\nvdf=x\nvdf=y\n").valid);
  EXPECT_FALSE(read("[info]\ntitle=A\n").valid);
  EXPECT_FALSE(read("[info]\nvdf=x\n").valid);
  const ModInfo iconOnly = read("[info]\ntitle=A\nicon=7\n");
  EXPECT_FALSE(iconOnly.valid);
  EXPECT_EQ(iconOnly.title, "A");
  EXPECT_EQ(iconOnly.icon, 7);
  EXPECT_FALSE(read("").valid);
  EXPECT_FALSE(read("[info]\n").valid);
}

TEST_F(ModInfoFile, IconIsConvertedAsByAtoi) {
  const struct {
    const char* value;
    int icon;
  } cases[] = {{"12abc", 12}, {"abc", 0}, {"-3", -3}, {" 12 ;", 12}, {"+4", 4},
               {"\t5", 5},    {"", 0},    {"- 1", 0}, {"0x10", 0},   {"007", 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(read(std::string("[info]\nicon=") + c.value + "\n").icon, c.icon);
  }
}

TEST_F(ModInfoFile, LastLineWithoutNewlineIsRead) {
  const ModInfo m = read("[info]\ntitle=A\nvdf=x");
  EXPECT_EQ(m.vdf, "x");
  EXPECT_TRUE(m.valid);
}

TEST_F(ModInfoFile, LongLinesAreReadIn1023BytePieces) {
  const std::string text(1500, 'd');
  const ModInfo cut = read("[info]\ndescription=" + text + "\ntitle=A\nvdf=x\n");
  EXPECT_EQ(cut.description, text.substr(0, 1011));
  EXPECT_TRUE(cut.valid);

  // The remainder of a long line is a line of its own: read as a key line.
  const std::string padding(1023 - 8, ' ');
  const ModInfo rest = read("[info]\nwebpage=" + padding + "title=Hidden\nvdf=x\n");
  EXPECT_EQ(rest.webpage, "");
  EXPECT_EQ(rest.title, "Hidden");
  EXPECT_TRUE(rest.valid);

  // An "=" at the very start of the remainder is position 0: skipped.
  const ModInfo atZero = read("[info]\ntitle" + std::string(1023 - 5, ' ') + "=B\nvdf=x\n");
  EXPECT_EQ(atZero.title, "?");
  EXPECT_FALSE(atZero.valid);

  const std::string longestVdf(1019, 'v');
  const ModInfo fits = read("[info]\nvdf=" + longestVdf + "more\ntitle=A\n");
  EXPECT_EQ(fits.vdf, longestVdf);
}

TEST_F(ModInfoFile, PiecesAreTheSameWhereverTheFileIsReadInBlocks) {
  for (std::size_t filler : {16370u, 16377u, 16383u, 16384u, 32760u}) {
    SCOPED_TRACE(filler);
    std::string text = "[info]\n";
    while (text.size() < filler) text += ";\n";
    const std::string longText(1500, 'q');
    const ModInfo m = read(text + "title=Across\ndescription=" + longText + "\nvdf=v");
    EXPECT_EQ(m.title, "Across");
    EXPECT_EQ(m.description, longText.substr(0, 1011));
    EXPECT_EQ(m.vdf, "v");
    EXPECT_TRUE(m.valid);
  }
}

TEST_F(ModInfoFile, HeaderSplitAcrossAPieceBoundaryIsNotSeen) {
  const ModInfo m = read(std::string(1020, 'x') + "[info]\ntitle=A\nvdf=x\n");
  EXPECT_FALSE(m.valid);
  const ModInfo inFirstPiece = read(std::string(1017, 'x') + "[info]\ntitle=A\nvdf=x\n");
  EXPECT_TRUE(inFirstPiece.valid);
}

TEST_F(ModInfoFile, ShortReadsGiveTheSameRecordAsTheFile) {
  const std::string text = "[info]\ntitle=T\nauthors=" + std::string(3000, 'a') +
                           "\nicon=7\ndescription=" + std::string(900, 'd') + "\nvdf=last";
  const ModInfo whole = read(text);
  ASSERT_EQ(whole.icon, 7);
  ASSERT_EQ(whole.vdf, "last");
  ASSERT_TRUE(whole.valid);
  for (const std::size_t step : {1u, 7u, 1000u, 1023u, 1024u}) {
    SCOPED_TRACE(step);
    TrickleSource source(text, step);
    const ModInfo m("x.ini", &source);
    EXPECT_EQ(recordOf(m), recordOf(whole));
  }
}

TEST_F(ModInfoFile, MissingFileGivesTheDefaultRecord) {
  const std::string name = (dir / "absent.ini").string();
  const ModInfo m(name);
  EXPECT_EQ(m.fileName, name);
  EXPECT_EQ(recordOf(m), Record{});

  const ModInfo unopened("absent.ini", static_cast<ByteSource*>(nullptr));
  EXPECT_EQ(recordOf(unopened), Record{});
}

}  // namespace
}  // namespace vs::test
