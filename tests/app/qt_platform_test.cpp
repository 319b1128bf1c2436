#include "app/qt_platform.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vs {
namespace {

using Arguments = std::vector<std::string>;
const std::set<std::string> kXcbOnly{"xcb"};

TEST(QtPlatform, UnbundledRequestsFallBackToXcbWithOneWarning) {
  const struct {
    const char* what;
    Arguments arguments;
    std::optional<std::string> variable;
    std::set<std::string> bundled;
    Arguments expected;
    const char* missing;  // named in the warning; null for no warning
  } cases[] = {
      {"the system's Qt chooses", {"vs"}, "wayland", {}, {"vs"}, nullptr},
      {"no request", {"vs"}, std::nullopt, kXcbOnly, {"vs", "-platform", "xcb"}, nullptr},
      {"an empty variable", {"vs"}, "", kXcbOnly, {"vs", "-platform", "xcb"}, nullptr},
      {"Wayland bundled", {"vs"}, std::nullopt, {"wayland", "xcb"}, {"vs"}, nullptr},
      {"xcb asked for", {"vs", "a"}, "xcb", kXcbOnly, {"vs", "a"}, nullptr},
      {"xcb with options", {"vs"}, "xcb:nobadgrab", kXcbOnly, {"vs"}, nullptr},
      {"wayland", {"vs", "a"}, "wayland", kXcbOnly, {"vs", "-platform", "xcb", "a"}, "wayland"},
      {"a list", {"vs"}, "wayland;xcb:x=1;", kXcbOnly, {"vs", "-platform", "xcb:x=1"}, "wayland"},
      {"two missing",
       {"vs"},
       "eglfs;wayland",
       kXcbOnly,
       {"vs", "-platform", "xcb"},
       "eglfs;wayland"},
      {"only offscreen bundled",
       {"vs"},
       "wayland",
       {"offscreen"},
       {"vs", "-platform", "offscreen"},
       "wayland"},
      {"the argument wins",
       {"vs", "-platform", "wayland"},
       "xcb",
       kXcbOnly,
       {"vs", "-platform", "xcb"},
       "wayland"},
      {"the last argument wins",
       {"vs", "-platform", "xcb", "--platform", "vnc"},
       std::nullopt,
       kXcbOnly,
       {"vs", "-platform", "xcb", "--platform", "xcb"},
       "vnc"},
      {"a dangling switch",
       {"vs", "-platform"},
       "wayland",
       kXcbOnly,
       {"vs", "-platform", "xcb", "-platform"},
       "wayland"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QtPlatformChoice choice = chooseQtPlatform(c.arguments, c.variable, c.bundled);
    EXPECT_EQ(choice.arguments, c.expected);
    if (c.missing == nullptr) {
      EXPECT_EQ(choice.warning, "");
    } else {
      EXPECT_NE(choice.warning.find('"' + std::string(c.missing) + '"'), std::string::npos)
          << choice.warning;
      EXPECT_EQ(choice.warning.find('\n'), std::string::npos);
    }
  }
}

TEST(QtPlatform, PluginNamesComeFromTheFolder) {
  test::TempDir folder;
  for (const char* file : {"libqxcb.so", "libqwayland-egl.so", "libq.so", "notes.txt", "libz.so"})
    test::writeFile(folder / file, "");
  EXPECT_EQ(platformPlugins(folder.path().string()), (std::set<std::string>{"wayland-egl", "xcb"}));
  EXPECT_TRUE(platformPlugins((folder / "missing").string()).empty());
}

TEST(QtPlatform, AWindowNeedsAPlatformOrADisplay) {
  EXPECT_FALSE(windowSystemAvailable({"vs"}, nullptr, nullptr, ""));
  EXPECT_TRUE(windowSystemAvailable({"vs"}, nullptr, ":0", nullptr));
  EXPECT_TRUE(windowSystemAvailable({"vs"}, nullptr, nullptr, "wayland-0"));
  EXPECT_TRUE(windowSystemAvailable({"vs"}, "offscreen", nullptr, nullptr));
  EXPECT_TRUE(windowSystemAvailable({"vs", "-platform", "offscreen"}, nullptr, nullptr, nullptr));
}

}  // namespace
}  // namespace vs
