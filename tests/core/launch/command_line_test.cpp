#include "core/launch/command_line.h"

#include <gtest/gtest.h>

namespace vs {
namespace {

std::string compose(const LaunchChoices& o, const std::string& fileName = "mymod.ini") {
  return composeCommandLine(fileName, o);
}

TEST(ComposeCommandLine, AllFlagsWithTheHighestLevelInTheSwitchOrder) {
  LaunchChoices o{1, 1, 1, 1, 1, 1, 1, 1, 4, "-extra"};
  EXPECT_EQ(compose(o),
            " -game:mymod.ini -zwindow -znosound -znomusic -vdfs:physicalfirst -zconvertall"
            " -ztexconvert -zautoconvertdata -zreparse -zlog:10,s -extra");
}

TEST(ComposeCommandLine, EachFlagAloneAddsOnlyItsOwnPiece) {
  const struct {
    std::int32_t LaunchChoices::*member;
    const char* piece;
  } flags[] = {
      {&LaunchChoices::windowed, " -zwindow"},
      {&LaunchChoices::noSound, " -znosound"},
      {&LaunchChoices::noMusic, " -znomusic"},
      {&LaunchChoices::physicalFirst, " -vdfs:physicalfirst"},
      {&LaunchChoices::convertAll, " -zconvertall"},
      {&LaunchChoices::convertTextures, " -ztexconvert"},
      {&LaunchChoices::autoConvert, " -zautoconvertdata"},
      {&LaunchChoices::reparseScripts, " -zreparse"},
  };
  for (const auto& flag : flags) {
    LaunchChoices o;
    o.*flag.member = 1;
    EXPECT_EQ(compose(o), std::string(" -game:mymod.ini") + flag.piece + " ") << flag.piece;
    // Any non-zero value counts as on.
    o.*flag.member = -7;
    EXPECT_EQ(compose(o), std::string(" -game:mymod.ini") + flag.piece + " ") << flag.piece;
  }
}

TEST(ComposeCommandLine, MessageLevelsAreFourFiveEightTenAndNothingOutsideOneToFour) {
  const char* const expected[] = {"", " -zlog:4,s", " -zlog:5,s", " -zlog:8,s", " -zlog:10,s"};
  for (int level = 0; level <= 4; ++level) {
    LaunchChoices o;
    o.spyLevel = level;
    EXPECT_EQ(compose(o), std::string(" -game:mymod.ini") + expected[level] + " ") << level;
  }
  for (int level : {-1, 5, 100, -2147483647 - 1}) {
    LaunchChoices o;
    o.spyLevel = level;
    EXPECT_EQ(compose(o), " -game:mymod.ini ") << level;
  }
}

TEST(ComposeCommandLine, ParametersFollowOneBlankByteForByte) {
  LaunchChoices o;
  EXPECT_EQ(compose(o, "vornakgame.ini"), " -game:vornakgame.ini ");
  o.windowed = o.noMusic = 1;
  o.spyLevel = 2;
  EXPECT_EQ(compose(o), " -game:mymod.ini -zwindow -znomusic -zlog:5,s ");
  o = {};
  o.parameters = "  -a \"two words\" \\\"x ";
  EXPECT_EQ(compose(o), " -game:mymod.ini   -a \"two words\" \\\"x ");
}

TEST(ComposeCommandLine, FileNameIsTakenAsStored) {
  EXPECT_EQ(compose({}, "My Mod.INI"), " -game:My Mod.INI ");
  EXPECT_EQ(compose({}, ""), " -game: ");
}

}  // namespace
}  // namespace vs
