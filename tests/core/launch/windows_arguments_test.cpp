#include "core/launch/windows_arguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vs {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(WindowsArguments, BlanksAndTabsSeparateWithoutEmptyPieces) {
  EXPECT_THAT(splitWindowsArguments(" -game:mymod.ini -zwindow "),
              ElementsAre("-game:mymod.ini", "-zwindow"));
  EXPECT_THAT(splitWindowsArguments("a   b\t\tc"), ElementsAre("a", "b", "c"));
  EXPECT_THAT(splitWindowsArguments(""), IsEmpty());
  EXPECT_THAT(splitWindowsArguments("  \t "), IsEmpty());
}

TEST(WindowsArguments, QuotedTextStaysOneArgumentAndQuotesAreDropped) {
  EXPECT_THAT(splitWindowsArguments(" -game:x.ini  -save \"my game\" -x"),
              ElementsAre("-game:x.ini", "-save", "my game", "-x"));
  EXPECT_THAT(splitWindowsArguments("-path:\"C:\\Program Files\\x\"y z"),
              ElementsAre("-path:C:\\Program Files\\xy", "z"));
  // An explicit pair of quotes is an empty argument, as on Windows.
  EXPECT_THAT(splitWindowsArguments("a \"\" b"), ElementsAre("a", "", "b"));
  // An unclosed quote runs to the end, blanks included.
  EXPECT_THAT(splitWindowsArguments("a \"b  c "), ElementsAre("a", "b  c "));
}

TEST(WindowsArguments, DoubledQuotesInsideQuotesGiveOneQuote) {
  EXPECT_THAT(splitWindowsArguments("\"a\"\"b\" c"), ElementsAre("a\"b", "c"));
  EXPECT_THAT(splitWindowsArguments("\"say \"\"hi\"\" now\""), ElementsAre("say \"hi\" now"));
}

TEST(WindowsArguments, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_THAT(splitWindowsArguments("a\\b c\\\\d e\\"), ElementsAre("a\\b", "c\\\\d", "e\\"));
  EXPECT_THAT(splitWindowsArguments("a\\\"b"), ElementsAre("a\"b"));          // 1: literal quote
  EXPECT_THAT(splitWindowsArguments("a\\\\\"b c\""), ElementsAre("a\\b c"));  // 2: one, quote opens
  EXPECT_THAT(splitWindowsArguments("a\\\\\\\"b c"), ElementsAre("a\\\"b", "c"));  // 3
  EXPECT_THAT(splitWindowsArguments("\"C:\\dir\\\\\" x"), ElementsAre("C:\\dir\\", "x"));
}

}  // namespace
}  // namespace vs
