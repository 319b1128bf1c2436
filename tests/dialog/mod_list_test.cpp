#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "core/mods/mod_info.h"
#include "core/settings/settings_values.h"
#include "support/game_fixture.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const ModInfo* recordOf(const HeadlessItem& item) {
  return reinterpret_cast<const ModInfo*>(item.data);
}

// The item whose record was read from `fileName`; fails the test if none.
const HeadlessItem& itemFor(HeadlessWindow& w, const std::string& fileName) {
  for (const auto& item : w.control(IDC_MODLIST).items) {
    if (recordOf(item) != nullptr && recordOf(item)->fileName == fileName)
      return item;
  }
  throw std::runtime_error("no item for " + fileName);
}

std::vector<std::string> listedFileNames(HeadlessWindow& w) {
  std::vector<std::string> names;
  for (const auto& item : w.control(IDC_MODLIST).items) names.push_back(recordOf(item)->fileName);
  return names;
}

void saveSelection(GameFixture& game, std::int32_t index) {
  game.settings.values["modgame"] = {MemorySettingsStore::kBinary, encodeInteger(index)};
}

std::vector<int> selectedRows(HeadlessWindow& w) {
  std::vector<int> rows;
  const auto& items = w.control(IDC_MODLIST).items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].selected, items[i].focused) << "row " << i;
    if (items[i].selected)
      rows.push_back(static_cast<int>(i));
  }
  return rows;
}

class ModList : public ::testing::Test {
 protected:
  GameFixture game;
};

TEST_F(ModList, ListsValidRecordsOnlyInSearchOrder) {
  game.writeMod("alpha.ini", "title=Alpha\nvdf=a.mod\n");
  game.writeMod("beta.ini", "title=Beta\nvdf=b.mod\nversion=2\n");
  game.writeMod("gamma.ini", "vdf=g.mod\nvdf=h.mod\n");
  game.writeMod("delta.ini", "title=Delta only\n");
  writeFile(game.bin() / "noheader.ini", "title=X\nvdf=y\n");
  writeFile(game.bin() / "other.txt", "[info]\ntitle=T\nvdf=v\n");
  writeFile(game.bin() / "ini", "[info]\ntitle=T\nvdf=v\n");
  HeadlessWindow& w = game.open();

  std::vector<std::string> expected;
  for (const auto& name : game.files.findByExtension(game.bin().string(), ".ini")) {
    if (name == "alpha.ini" || name == "beta.ini" || name == "gamma.ini")
      expected.push_back(name);
  }
  EXPECT_THAT(listedFileNames(w), ElementsAreArray(expected));
  EXPECT_EQ(itemFor(w, "alpha.ini").text, "Alpha ()");
  EXPECT_EQ(itemFor(w, "beta.ini").text, "Beta (2)");
  EXPECT_EQ(itemFor(w, "gamma.ini").text, "? ()");
  EXPECT_EQ(recordOf(itemFor(w, "gamma.ini"))->vdf, "h.mod");
}

TEST_F(ModList, ScanReturnsTheNumberListed) {
  HeadlessWindow& w = game.open();
  EXPECT_TRUE(w.control(IDC_MODLIST).items.empty());
  game.writeMod("one.ini", "title=1\nvdf=1\n");
  game.writeMod("two.ini", "title=2\nvdf=2\n");
  game.writeMod("bad.ini", "title=3\n");
  EXPECT_EQ(game.dialog().scanMods(), 2);
  EXPECT_EQ(w.control(IDC_MODLIST).items.size(), 2u);
}

TEST_F(ModList, ImageFollowsIconClampedToTheImageList) {
  const struct {
    const char* name;
    const char* icon;
    int image;
  } mods[] = {
      {"vornakgame.ini", "5", 0}, {"mymod.ini", "0", 1}, {"big.ini", "40", 29},
      {"last.ini", "29", 29},     {"neg.ini", "-2", 1},  {"mid.ini", "12abc", 12},
  };
  for (const auto& mod : mods)
    game.writeMod(mod.name, std::string("title=T\nvdf=v\nicon=") + mod.icon + "\n");
  HeadlessWindow& w = game.open();
  ASSERT_EQ(w.control(IDC_MODLIST).items.size(), std::size(mods));
  for (const auto& mod : mods) EXPECT_EQ(itemFor(w, mod.name).image, mod.image) << mod.name;
}

TEST_F(ModList, ImageIsClampedToASmallerImageList) {
  game.host.bitmapWidths[IDB_MODIMAGES] = 24 * 4;
  game.writeMod("big.ini", "title=Big\nvdf=b\nicon=9\n");
  HeadlessWindow& w = game.open();
  EXPECT_EQ(itemFor(w, "big.ini").image, 3);
}

TEST_F(ModList, GameFileIsDroppedLikeAnyOtherWhenInvalid) {
  game.writeMod("vornakgame.ini", "title=Vornak\n");
  HeadlessWindow& w = game.open();
  EXPECT_TRUE(w.control(IDC_MODLIST).items.empty());
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "no info");  // saved index 0 names no item
}

class SavedSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    game.writeMod("a.ini", "title=A\nvdf=a\nversion=1\n");
    game.writeMod("b.ini", "title=B\nvdf=b\n");
    game.writeMod("c.ini", "title=C\nvdf=c\nauthors=Ann\ndescription=Third\n");
    for (const auto& name : game.files.findByExtension(game.bin().string(), ".ini"))
      order.push_back(name);
  }
  GameFixture game;
  std::vector<std::string> order;
  std::map<std::string, std::string> described = {
      {"a.ini", "title: A\r\nversion: 1\r\n\r\nno description available"},
      {"b.ini", "title: B\r\n\r\nno description available"},
      {"c.ini", "title: C\r\nauthors: Ann\r\n\r\nThird"},
  };
};

TEST_F(SavedSelection, SavedIndexIsSelectedFocusedAndDescribed) {
  saveSelection(game, 2);
  HeadlessWindow& w = game.open();
  EXPECT_THAT(selectedRows(w), ElementsAre(2));
  EXPECT_EQ(w.control(IDC_MODLIST).selectionMark, 2);
  const ModInfo* third = recordOf(w.control(IDC_MODLIST).items[2]);
  EXPECT_EQ(third->fileName, order[2]);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, described[order[2]]);
}

TEST_F(SavedSelection, IndexBeyondTheListSelectsNothingAndShowsNoInfo) {
  saveSelection(game, 5);
  HeadlessWindow& w = game.open();
  EXPECT_TRUE(selectedRows(w).empty());
  EXPECT_EQ(game.dialog().selectedItem, 5);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "no info");
}

TEST_F(SavedSelection, MinusOneSelectsNothingAndLeavesThePanelAlone) {
  saveSelection(game, -1);
  game.dialog().descriptionText = "as started";
  HeadlessWindow& w = game.open();
  EXPECT_TRUE(selectedRows(w).empty());
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "as started");
}

TEST_F(SavedSelection, ClickSelectsAndDescribesTheClickedItem) {
  HeadlessWindow& w = game.open();
  w.clickItem(1);
  EXPECT_EQ(game.dialog().selectedItem, 1);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, described[order[1]]);
  // A click beside the items: the list keeps its selection mark.
  w.clickItem(-1);
  EXPECT_EQ(game.dialog().selectedItem, 1);
}

TEST_F(ModList, ClickIntoAnEmptyListChangesNothing) {
  HeadlessWindow& w = game.open();
  w.control(IDC_DESCRIPTION).text = "typed";
  w.control(IDC_WINDOWED).check = 1;
  w.clickItem(0);
  EXPECT_EQ(game.dialog().selectedItem, -1);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "typed");
  EXPECT_EQ(w.control(IDC_WINDOWED).check, 1);
}

TEST_F(ModList, MixedCaseNameIsListedUnderItsLoweredNameAndRead) {
  game.writeMod("MyMod.INI", "title=Mixed\nvdf=m.mod\n");
  HeadlessWindow& w = game.open();
  ASSERT_EQ(w.control(IDC_MODLIST).items.size(), 1u);
  const ModInfo* record = recordOf(w.control(IDC_MODLIST).items[0]);
  EXPECT_EQ(record->fileName, "mymod.ini");
  EXPECT_EQ(record->title, "Mixed");
  EXPECT_EQ(w.control(IDC_MODLIST).items[0].text, "Mixed ()");
}

// The game cannot tell such names apart: the first in name order stands for
// all of them, and the others are not even read.
TEST_F(ModList, NamesDifferingOnlyInCaseListTheFirstInNameOrderOnce) {
  game.writeMod("twin.ini", "title=Lower\nvdf=l\n");
  game.writeMod("Twin.ini", "title=Upper\nvdf=u\n");
  game.writeMod("TWIN.INI", "title=Capitals\nvdf=c\n");
  game.writeMod("other.ini", "title=Other\nvdf=o\n");
  HeadlessWindow& w = game.open();
  const auto& items = w.control(IDC_MODLIST).items;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "Other ()");
  EXPECT_EQ(recordOf(items[1])->fileName, "twin.ini");
  EXPECT_EQ(items[1].text, "Capitals ()");  // "TWIN.INI" < "Twin.ini" < "twin.ini"
}

class Description : public ::testing::Test {
 protected:
  HeadlessWindow& openWith(const std::string& lines) {
    game.writeMod("only.ini", lines);
    return game.open();
  }
  GameFixture game;
};

TEST_F(Description, TextIsBuiltWithCrLfPairs) {
  HeadlessWindow& w = openWith("title=Castle\nversion=1.0\nwebpage=none\nvdf=c\n");
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text,
            "title: Castle\r\nversion: 1.0\r\nwebpage: none\r\n\r\nno description available");
  EXPECT_EQ(game.dialog().descriptionText, w.control(IDC_DESCRIPTION).text);
}

TEST_F(Description, EveryFieldInItsPlace) {
  HeadlessWindow& w = openWith("title=T\nversion=V\nauthors=A\nwebpage=W\ndescription=D\nvdf=x\n");
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text,
            "title: T\r\nversion: V\r\nauthors: A\r\nwebpage: W\r\n\r\nD");
}

TEST_F(Description, EmptyTitleStartsWithTheLineBreaksAndReplacesTheOldText) {
  HeadlessWindow& w = openWith("title=\nvdf=x\n");
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "\r\n\r\nno description available");
  game.dialog().descriptionText = "old";
  game.dialog().showModDescription(0);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "\r\n\r\nno description available");
}

TEST_F(Description, IndexWithoutItemShowsNoInfo) {
  HeadlessWindow& w = openWith("title=A\nvdf=x\n");
  game.dialog().showModDescription(1);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "no info");
  EXPECT_EQ(game.dialog().descriptionText, "no info");
}

TEST_F(Description, NegativeIndexDoesNothingAtAll) {
  HeadlessWindow& w = openWith("title=A\nvdf=x\n");
  w.control(IDC_WINDOWED).check = 1;
  w.control(IDC_DESCRIPTION).text = "kept";
  game.dialog().descriptionText = "member";
  game.dialog().showModDescription(-1);
  game.dialog().showModDescription(-7);
  EXPECT_EQ(w.control(IDC_WINDOWED).check, 1);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "kept");
  EXPECT_EQ(game.dialog().descriptionText, "member");
}

TEST_F(Description, ClickPutsBackEveryChangeNotYetRead) {
  HeadlessWindow& w = openWith("title=A\nvdf=x\n");
  ASSERT_EQ(game.dialog().windowed, 0);
  w.click(IDC_WINDOWED);
  w.click(IDC_NOSOUND);
  w.type(IDC_PARAMETERS, "-typed");
  w.setComboSelection(IDC_SPYLEVEL, 3);
  ASSERT_EQ(w.control(IDC_WINDOWED).check, 1);
  w.clickItem(0);
  EXPECT_EQ(w.control(IDC_WINDOWED).check, 0);
  EXPECT_EQ(w.control(IDC_NOSOUND).check, 0);
  EXPECT_EQ(w.control(IDC_PARAMETERS).text, "");
  EXPECT_EQ(w.control(IDC_SPYLEVEL).selection, 0);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text, "title: A\r\n\r\nno description available");
}

}  // namespace
}  // namespace vs::test
