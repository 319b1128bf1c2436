#include "core/text/name_order.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace vs::test {
namespace {

using ::testing::ElementsAre;

// Letters as capitals first: "_" (0x5F) lies between "Z" and "a" in bytes.
// Names equal but for case fall back to bytes, so no two names tie.
TEST(NameOrder, LettersAsCapitalsThenBytes) {
  std::vector<std::string> names = {"b.mod", "_a.ini", "a.ini", "Z.mod", "B.ini", "ab", "A",
                                    "a",     "AB",     "\xe9",  ".mod",  "a~",    "Ac", "aB"};
  std::sort(names.begin(), names.end(), nameOrderLess);
  EXPECT_THAT(names, ElementsAre(".mod", "A", "a", "a.ini", "AB", "aB", "ab", "Ac", "a~", "B.ini",
                                 "b.mod", "Z.mod", "_a.ini", "\xe9"));
  EXPECT_FALSE(nameOrderLess("same", "same"));
  EXPECT_FALSE(capitalsLess("aB", "Ab"));  // equal but for case: a tie
  EXPECT_FALSE(capitalsLess("Ab", "aB"));
  EXPECT_TRUE(capitalsLess("ab", "AB.mod"));
  const std::string eAcute = "\xe9";  // not ASCII: left as it is
  EXPECT_EQ(upperAscii("mIx_" + eAcute + "d.ini"), "MIX_" + eAcute + "D.INI");
}

}  // namespace
}  // namespace vs::test
