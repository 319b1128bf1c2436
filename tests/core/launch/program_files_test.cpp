#include "core/launch/program_files.h"

#include <gtest/gtest.h>

namespace vs {
namespace {

TEST(ProgramForApplication, OnlyTheTwoEntriesNameAProgramAndACaption) {
  const struct {
    std::int32_t startApp;
    std::optional<std::string> program, caption;
  } kCases[] = {
      {0, "vornakmod.exe", "Start Vornak"},
      {1, "morlex.exe", "Start Morlex"},
      {-1, std::nullopt, std::nullopt},
      {2, std::nullopt, std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(programForApplication(c.startApp), c.program) << c.startApp;
    EXPECT_EQ(startCaption(c.startApp), c.caption) << c.startApp;
  }
}

}  // namespace
}  // namespace vs
