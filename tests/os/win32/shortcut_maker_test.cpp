// Desktop shortcuts written through the shell's link object and read back
// through it, in a folder of the test's and on the prefix's desktop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include <sstream>

#include "os/win32/ansi_text.h"
#include "os/win32/com_objects.h"
#include "os/win32/win32_shortcut_maker.h"
#include "support/win32_game.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::UnorderedElementsAre;

struct ReadLink {
  bool loaded = false;
  std::string target, arguments, folder, icon;
  int iconIndex = -1;
};

ReadLink readLink(const fs::path& file) {
  ComPointer<IShellLinkW> link;
  ComPointer<IPersistFile> persist;
  ReadLink read;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.out())) ||
      FAILED(persist->Load(file.wstring().c_str(), STGM_READ)))
    return read;
  wchar_t text[MAX_PATH] = {};
  read.loaded = true;
  link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
  read.target = ansiFromWide(text);
  link->GetArguments(text, MAX_PATH);
  read.arguments = ansiFromWide(text);
  link->GetWorkingDirectory(text, MAX_PATH);
  read.folder = ansiFromWide(text);
  link->GetIconLocation(text, MAX_PATH, &read.iconIndex);
  read.icon = ansiFromWide(text);
  return read;
}

std::string fileText(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

class Win32ShortcutTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(desktop, ignored);
  }
  ShortcutResult make(const std::string& title, const std::string& configuration) {
    return maker.makeShortcut({title, configuration, launcher, programDirectory().string()});
  }
  void expectOurs(const fs::path& file, const std::string& arguments) {
    const ReadLink link = readLink(file);
    ASSERT_TRUE(link.loaded) << file;
    EXPECT_TRUE(fs::equivalent(link.target, launcher));
    EXPECT_EQ(link.arguments, arguments);
    EXPECT_EQ(link.folder, programDirectory().string());
    EXPECT_TRUE(fs::equivalent(link.icon, launcher));
    EXPECT_EQ(link.iconIndex, 0);
  }

  ComApartment com;
  fs::path desktop = freshTempDirectory();
  std::string launcher = (programDirectory() / "vs_win32_tests.exe").string();
  Win32ShortcutMaker maker{desktop.wstring()};
};

TEST_F(Win32ShortcutTest, TheLinkStartsTheConfigurationAndIsReplacedWhenMadeAgain) {
  const ShortcutResult made = make("Dark Shores: \"Redux\"", "dark shores.ini");
  ASSERT_TRUE(made.made) << made.where;
  const fs::path file = desktop / "Dark Shores_ _Redux_.lnk";
  EXPECT_EQ(made.where, file.string());
  expectOurs(file, "--start \"dark shores.ini\"");

  const ShortcutResult again = make("Dark Shores: \"Redux\"", "dark shores.ini");
  EXPECT_TRUE(again.made);
  EXPECT_EQ(again.where, file.string());
  EXPECT_THAT(namesIn(desktop), UnorderedElementsAre("Dark Shores_ _Redux_.lnk"));
}

// Whatever holds the name and is not our link for this configuration stays
// as it was; the shortcut takes the next free number.
TEST_F(Win32ShortcutTest, AnythingElseOfThatNameStaysAndTheShortcutIsNumbered) {
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> put;
  };
  const Case cases[] = {
      {"a file of the user's", [](const fs::path& at) { writeText(at, "the user's own bytes"); }},
      {"a folder", [](const fs::path& at) { fs::create_directory(at); }},
      {"our link for another configuration",
       [this](const fs::path& at) {
         Win32ShortcutMaker({at.parent_path().wstring()})
             .makeShortcut({"Shores", "other.ini", launcher, programDirectory().string()});
       }},
      {"another program's link with these arguments",
       [](const fs::path& at) {
         const std::string other = (programDirectory() / "record_command_line.exe").string();
         Win32ShortcutMaker({at.parent_path().wstring()})
             .makeShortcut({"Shores", "shores.ini", other, programDirectory().string()});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(desktop);
    fs::create_directory(desktop);
    c.put(desktop / "Shores.lnk");
    writeText(desktop / "Shores (2).lnk", "taken as well");
    const std::vector<std::string> before = {fileText(desktop / "Shores.lnk"),
                                             fileText(desktop / "Shores (2).lnk")};

    const ShortcutResult made = make("Shores", "shores.ini");
    ASSERT_TRUE(made.made) << made.where;
    EXPECT_EQ(made.where, (desktop / "Shores (3).lnk").string());
    expectOurs(desktop / "Shores (3).lnk", "--start shores.ini");
    EXPECT_EQ(fileText(desktop / "Shores.lnk"), before[0]);
    EXPECT_EQ(fileText(desktop / "Shores (2).lnk"), before[1]);
    EXPECT_THAT(namesIn(desktop),
                UnorderedElementsAre("Shores.lnk", "Shores (2).lnk", "Shores (3).lnk"));
  }
}

TEST_F(Win32ShortcutTest, AFolderThatCannotTakeItSaysWhy) {
  Win32ShortcutMaker nowhere((desktop / "missing").wstring());
  const ShortcutResult made =
      nowhere.makeShortcut({"Shores", "shores.ini", launcher, programDirectory().string()});
  EXPECT_FALSE(made.made);
  EXPECT_THAT(made.where, ::testing::HasSubstr((desktop / "missing").string()));
  EXPECT_THAT(namesIn(desktop), ::testing::IsEmpty());
}

TEST_F(Win32ShortcutTest, WithoutAFolderOfItsOwnTheLinkGoesOnTheUsersDesktop) {
  PWSTR known = nullptr;
  ASSERT_EQ(::SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_CREATE, nullptr, &known), S_OK);
  const fs::path userDesktop(known);
  ::CoTaskMemFree(known);
  Win32ShortcutMaker onTheDesktop;
  const ShortcutResult made = onTheDesktop.makeShortcut(
      {"VornakStarter test shortcut", "shores.ini", launcher, programDirectory().string()});
  ASSERT_TRUE(made.made) << made.where;
  EXPECT_TRUE(fs::equivalent(fs::path(made.where).parent_path(), userDesktop));
  expectOurs(made.where, "--start shores.ini");
  fs::remove(made.where);
}

}  // namespace
}  // namespace vs::test
