#include "core/mods/ini_line.h"

#include <gtest/gtest.h>

namespace vs::test {
namespace {

TEST(IniLine, TrimRemovesExactlyTheFourCharactersAtBothEnds) {
  EXPECT_EQ(trimIniText(" ;\r\n a; b \n;\r "), "a; b");
  EXPECT_EQ(trimIniText("\tx\t"), "\tx\t");
  EXPECT_EQ(trimIniText(" ; ;\r\n"), "");
  EXPECT_EQ(trimIniText(""), "");
  EXPECT_EQ(trimIniText("x"), "x");
  EXPECT_EQ(trimIniText("\v\fx"), "\v\fx");
}

TEST(IniLine, HeaderIsFoundInTheLoweredPieceOnly) {
  EXPECT_TRUE(isInfoHeader("[InFo]\n"));
  EXPECT_TRUE(isInfoHeader("a=b [info] c"));
  EXPECT_FALSE(isInfoHeader("[ info ]"));
  EXPECT_FALSE(isInfoHeader("[info\n]"));
  EXPECT_FALSE(isInfoHeader(""));
}

TEST(IniLine, KeyLineSplitsAtTheFirstEqualsSign) {
  auto line = parseKeyLine("TITLE = a=B ;\r\n");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->key, IniKey::title);
  EXPECT_EQ(line->value, "a=B");

  EXPECT_FALSE(parseKeyLine("=title"));
  EXPECT_FALSE(parseKeyLine("title"));
  EXPECT_FALSE(parseKeyLine(""));
  EXPECT_FALSE(parseKeyLine("title\t=x"));
  EXPECT_FALSE(parseKeyLine("ti tle=x"));
  // A key of only trim characters is empty, not a name.
  EXPECT_FALSE(parseKeyLine(" ;=x"));
}

TEST(IniLine, EachOfTheSevenKeysIsRecognised) {
  const struct {
    const char* line;
    IniKey key;
  } cases[] = {{"title=v", IniKey::title},     {"vdf=v", IniKey::vdf},
               {"VERSION=v", IniKey::version}, {"Description=v", IniKey::description},
               {"authors=v", IniKey::authors}, {";webpage;=v", IniKey::webpage},
               {"icon=v", IniKey::icon}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    auto line = parseKeyLine(c.line);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->key, c.key);
    EXPECT_EQ(line->value, "v");
  }
}

TEST(IniLine, NonAsciiBytesAreKeptAndNotLowered) {
  auto line = parseKeyLine("title=\xC4pfel \xE9T\xC9\n");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->value, "\xC4pfel \xE9T\xC9");
  EXPECT_FALSE(parseKeyLine("t\xC9tle=x"));
}

TEST(IniLine, AtoiReadsBlanksSignAndDigits) {
  EXPECT_EQ(iniAtoi("12abc"), 12);
  EXPECT_EQ(iniAtoi("abc"), 0);
  EXPECT_EQ(iniAtoi("-3"), -3);
  EXPECT_EQ(iniAtoi(" \t+8"), 8);
  EXPECT_EQ(iniAtoi("--3"), 0);
  EXPECT_EQ(iniAtoi("2147483647"), 2147483647);
  EXPECT_EQ(iniAtoi("-2147483648"), -2147483647 - 1);
  // Out of range: kept inside 32 bits, with the sign of the text.
  EXPECT_GT(iniAtoi("99999999999999999999"), 0);
  EXPECT_LT(iniAtoi("-99999999999999999999"), 0);
}

}  // namespace
}  // namespace vs::test
