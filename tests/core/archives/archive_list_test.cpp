#include "core/archives/archive_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vs {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ArchiveList, EmptyOrOnlyTrimCharactersGivesNoName) {
  EXPECT_THAT(splitArchiveList(""), IsEmpty());
  EXPECT_THAT(splitArchiveList(" ;\r\n ;;"), IsEmpty());
  EXPECT_THAT(splitArchiveList("   "), IsEmpty());
}

TEST(ArchiveList, OnlyTheBlankSeparatesAndRepeatedBlanksGiveNoName) {
  EXPECT_THAT(splitArchiveList("a.mod"), ElementsAre("a.mod"));
  EXPECT_THAT(splitArchiveList("a.mod b.mod"), ElementsAre("a.mod", "b.mod"));
  EXPECT_THAT(splitArchiveList("a.mod    b.mod"), ElementsAre("a.mod", "b.mod"));
  EXPECT_THAT(splitArchiveList("a.mod;b.mod c.mod,d.mod"),
              ElementsAre("a.mod;b.mod", "c.mod,d.mod"));
  EXPECT_THAT(splitArchiveList("a.mod\tb.mod"), ElementsAre("a.mod\tb.mod"));
}

TEST(ArchiveList, TrimSetIsTakenOffTheEndsOnly) {
  EXPECT_THAT(splitArchiveList(" ;\r\na.mod b.mod;\n\r ;"), ElementsAre("a.mod", "b.mod"));
  // Inside the list the same characters stay parts of the names.
  EXPECT_THAT(splitArchiveList("a.mod; ;b.mod"), ElementsAre("a.mod;", ";b.mod"));
  EXPECT_THAT(splitArchiveList("a.mod\r\n b.mod"), ElementsAre("a.mod\r\n", "b.mod"));
  // A tab is not in the trim set.
  EXPECT_THAT(splitArchiveList("\ta.mod\t"), ElementsAre("\ta.mod\t"));
}

TEST(ArchiveList, PiecesUnderTwoCharactersAreSkipped) {
  EXPECT_THAT(splitArchiveList("a bb c dd"), ElementsAre("bb", "dd"));
  EXPECT_THAT(splitArchiveList("x"), IsEmpty());
  EXPECT_THAT(splitArchiveList("ab"), ElementsAre("ab"));
  // A one-character piece left after trimming the ends.
  EXPECT_THAT(splitArchiveList(";x;"), IsEmpty());
}

TEST(ArchiveList, DuplicatesAndOrderAreKept) {
  EXPECT_THAT(splitArchiveList("b.mod a.mod b.mod"), ElementsAre("b.mod", "a.mod", "b.mod"));
  EXPECT_THAT(splitArchiveList(".. ../x.mod"), ElementsAre("..", "../x.mod"));
}

}  // namespace
}  // namespace vs
