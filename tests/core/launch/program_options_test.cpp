#include "core/launch/program_options.h"

#include <gtest/gtest.h>

#include "core/launch/launcher_texts.h"

namespace vs {
namespace {

using K = ProgramActionKind;

TEST(ProgramOptions, EachCommandLineGivesOneActionOrTheUsage) {
  struct Case {
    std::vector<std::string> arguments;
    ProgramAction expected;
  };
  const Case cases[] = {
      {{}, {K::dialog}},
      {{"--start", "frostpeak.ini"}, {K::start, "frostpeak.ini"}},
      {{"--start=Frost Peak.INI"}, {K::start, "Frost Peak.INI"}},
      {{"--list"}, {K::list}},
      {{"--help"}, {K::help}},
      {{"--version"}, {K::version}},
      {{"--bogus"}, {K::usage, "", "unknown option \"--bogus\""}},
      {{"-start", "a.ini"}, {K::usage, "", "unknown option \"-start\""}},
      {{"frostpeak.ini"}, {K::usage, "", "unknown option \"frostpeak.ini\""}},
      {{"--start"}, {K::usage, "", launcherTexts.missingName}},
      {{"--start="}, {K::usage, "", launcherTexts.missingName}},
      {{"--start", "--list"}, {K::usage, "", launcherTexts.missingName}},
      {{"--start", "a.ini", "b.ini"}, {K::usage, "", "one argument too many: \"b.ini\""}},
      {{"--list", "--help"}, {K::usage, "", "one argument too many: \"--help\""}},
      {{"--version=2"}, {K::usage, "", "one argument too many: \"2\""}},
  };
  for (const Case& c : cases) {
    const ProgramAction action = parseProgramOptions(c.arguments);
    EXPECT_EQ(action.kind, c.expected.kind) << testing::PrintToString(c.arguments);
    EXPECT_EQ(action.name, c.expected.name) << testing::PrintToString(c.arguments);
    EXPECT_EQ(action.problem, c.expected.problem) << testing::PrintToString(c.arguments);
  }
}

TEST(LauncherTexts, FillInReplacesThePlaceholderOnce) {
  EXPECT_EQ(fillIn(launcherTexts.noSuchConfiguration, "a.ini"),
            "Error: No configuration \"a.ini\" beside the launcher");
  EXPECT_EQ(fillIn("%1 and %1", "x"), "x and %1");
  EXPECT_EQ(fillIn("no placeholder", "x"), "no placeholder");
}

}  // namespace
}  // namespace vs
