#include "core/text/path_parts.h"

#include <gtest/gtest.h>

namespace vs {
namespace {

TEST(PathParts, TheLastComponentAndTheFolderBeforeIt) {
  const struct {
    std::string_view path, separators;
    std::size_t start;
    std::optional<std::string> folder;
  } kCases[] = {
      {"/games/vornak/system/VornakStarter", "/", 21, "/games/vornak/system"},
      {"/VornakStarter", "/", 1, "/"},
      {"VornakStarter", "/", 0, std::nullopt},
      {"", "/", 0, std::nullopt},
      {"a/b/", "/", 4, "a/b"},
      {"a/b\\c", "/", 2, "a"},
      {"a/b\\c", "/\\", 4, "a/b"},
      {"C:\\Vornak\\System.EXE", "/\\", 10, "C:\\Vornak"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(nameStart(c.path, c.separators), c.start) << c.path;
    EXPECT_EQ(parentFolder(c.path, c.separators), c.folder) << c.path;
  }
}

}  // namespace
}  // namespace vs
