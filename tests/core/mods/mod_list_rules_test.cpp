#include "core/mods/mod_list_rules.h"

#include <gtest/gtest.h>

namespace vs::test {
namespace {

ModInfo record(int icon = 0) {
  ModInfo m("does-not-exist.ini");
  m.icon = icon;
  return m;
}

TEST(ModListRules, LowerAsciiTouchesOnlyAToZ) {
  EXPECT_EQ(lowerAscii("MyMod.INI"), "mymod.ini");
  EXPECT_EQ(lowerAscii("\xC4\xD6@[`{Z"), "\xC4\xD6@[`{z");
}

TEST(ModListRules, ItemTextIsTitleAndVersionInBrackets) {
  ModInfo m = record();
  m.title = "My Mod";
  EXPECT_EQ(itemText(m), "My Mod ()");
  m.title = "?";
  m.version = "1.2";
  EXPECT_EQ(itemText(m), "? (1.2)");
}

TEST(ModListRules, ImageIndexRules) {
  const struct {
    int icon;
    const char* name;
    int images;
    int expected;
  } cases[] = {
      {40, "a.ini", 30, 29},        {29, "a.ini", 30, 29},
      {28, "a.ini", 30, 28},        {-2, "a.ini", 30, 1},
      {0, "a.ini", 30, 1},          {5, "vornakgame.ini", 30, 0},
      {0, "vornakgame.ini", 30, 0}, {5, "vornakgame.ini.ini", 30, 5},
      {1, "a.ini", 1, 0},           {3, "a.ini", 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " icon " + std::to_string(c.icon));
    EXPECT_EQ(imageIndex(record(c.icon), c.name, c.images), c.expected);
  }
}

TEST(ModListRules, DescriptionJoinsTheNonEmptyFieldsWithCrLf) {
  ModInfo m = record();
  m.title = "Castle";
  m.version = "1.0";
  m.webpage = "none";
  EXPECT_EQ(modDescription(m),
            "title: Castle\r\nversion: 1.0\r\nwebpage: none\r\n\r\nno description available");
  m.authors = "Ann";
  m.description = "";
  EXPECT_EQ(modDescription(m),
            "title: Castle\r\nversion: 1.0\r\nauthors: Ann\r\nwebpage: none\r\n\r\n");
}

TEST(ModListRules, DescriptionWithoutTitleStartsWithTheLineBreaks) {
  ModInfo m = record();
  m.title = "";
  m.version = "2";
  EXPECT_EQ(modDescription(m), "\r\nversion: 2\r\n\r\nno description available");
  m.version = "";
  m.description = "d";
  EXPECT_EQ(modDescription(m), "\r\n\r\nd");
  m.title = "T";
  EXPECT_EQ(modDescription(m), "title: T\r\n\r\nd");
}

}  // namespace
}  // namespace vs::test
