#include "app/qt_arguments.h"

#include <gtest/gtest.h>

namespace vs {
namespace {

using Args = std::vector<std::string>;

TEST(QtArguments, QtsOptionsGoToQtAndTheRestToTheLauncher) {
  struct Case {
    Args argv, qt, launcher;
  };
  const Case cases[] = {
      {{"vs"}, {"vs"}, {}},
      {{"vs", "--start", "a.ini"}, {"vs"}, {"--start", "a.ini"}},
      {{"vs", "-platform", "xcb", "--list"}, {"vs", "-platform", "xcb"}, {"--list"}},
      {{"vs", "--style=Fusion", "-reverse", "--start", "b.ini"},
       {"vs", "--style=Fusion", "-reverse"},
       {"--start", "b.ini"}},
      {{"vs", "--start", "a.ini", "-display", ":3"},
       {"vs", "-display", ":3"},
       {"--start", "a.ini"}},
      {{"vs", "-bogus"}, {"vs"}, {"-bogus"}},
  };
  for (const Case& c : cases) {
    const SplitArguments split = splitQtArguments(c.argv);
    EXPECT_EQ(split.qt, c.qt) << testing::PrintToString(c.argv);
    EXPECT_EQ(split.launcher, c.launcher) << testing::PrintToString(c.argv);
  }
}

}  // namespace
}  // namespace vs
