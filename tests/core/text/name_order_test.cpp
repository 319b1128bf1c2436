#include "core/text/name_order.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Letters as capitals first: "_" (0x5F) lies between "Z" and "a" in bytes.
// Names equal but for case fall back to bytes, so no two names tie.
TEST(NameOrder, LettersAsCapitalsThenBytes) {
  std::vector<std::string> names = {"b.mod", "_a.ini", "a.ini", "Z.mod", "B.ini", "ab", "A",
                                    "a",     "AB",     "\xe9",  ".mod",  "a~",    "Ac", "aB"};
  sortInNameOrder(names);
  EXPECT_THAT(names, ElementsAre(".mod", "A", "a", "a.ini", "AB", "aB", "ab", "Ac", "a~", "B.ini",
                                 "b.mod", "Z.mod", "_a.ini", "\xe9"));
  EXPECT_FALSE(nameOrderLess("same", "same"));
  const std::string eAcute = "\xe9";  // not ASCII: left as it is
  EXPECT_EQ(upperAscii("mIx_" + eAcute + "d.ini"), "MIX_" + eAcute + "D.INI");
}

// Names that share a long beginning and differ in case, length and the bytes
// after it: the sort and the comparison agree, and no name is lost.
TEST(NameOrder, SortAgreesWithTheComparisonOnLongSharedBeginnings) {
  std::mt19937 random(7);
  const std::string letters = "aAbB0_.~";
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) {
      std::string name = round % 2 == 0 ? "archive0000" : "ARCHIVE0000";
      for (int n = static_cast<int>(random() % 12); n > 0; --n)
        name += letters[random() % letters.size()];
      names.push_back(name);
    }
    std::vector<std::string> sorted = names;
    sortInNameOrder(sorted);
    ASSERT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), nameOrderLess));
    std::vector<std::string_view> views(names.begin(), names.end());
    sortInNameOrder(views);
    ASSERT_THAT(views, ElementsAreArray(sorted));
    std::sort(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(names, sorted);
  }
}

}  // namespace
}  // namespace vs::test
