// Desktop shortcuts written through the shell's link object and read back
// through it, on the prefix's desktop and in a folder of the test's.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include "os/win32/ansi_text.h"
#include "os/win32/com_objects.h"
#include "os/win32/win32_shortcut_maker.h"
#include "support/win32_game.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;

const std::string launcher = (programDirectory() / "vs_win32_tests.exe").string();
const std::string folder = programDirectory().string();

// Target, arguments, working folder and icon.
std::string linkFields(const fs::path& file) {
  ComPointer<IShellLinkW> link;
  ComPointer<IPersistFile> persist;
  wchar_t target[MAX_PATH] = {}, arguments[MAX_PATH] = {}, working[MAX_PATH] = {},
          icon[MAX_PATH] = {};
  int index = -1;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.out())) ||
      FAILED(persist->Load(file.wstring().c_str(), STGM_READ)))
    return "(no link)";
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetArguments(arguments, MAX_PATH);
  link->GetWorkingDirectory(working, MAX_PATH);
  link->GetIconLocation(icon, MAX_PATH, &index);
  return ansiFromWide(std::wstring(target) + L"|" + arguments + L"|" + working + L"|" + icon +
                      L"," + std::to_wstring(index));
}

std::string ours(const std::string& arguments) {
  return launcher + "|" + arguments + "|" + folder + "|" + launcher + ",0";
}

class Win32ShortcutTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(desktop); }
  ShortcutResult make(const std::string& configuration, const std::string& target = launcher) {
    return maker.makeShortcut({"Shores", configuration, target, folder});
  }
  int files() const { return static_cast<int>(std::distance(fs::directory_iterator(desktop), {})); }

  ComApartment com;
  fs::path desktop = freshTempDirectory();
  Win32ShortcutMaker maker{desktop.wstring()};
  fs::path file = desktop / "Shores.lnk";
  fs::path numbered = desktop / "Shores (2).lnk";
};

// On the prefix's desktop, under a title no one else uses.
TEST_F(Win32ShortcutTest, TheLinkOnTheDesktopStartsTheConfigurationAndOursIsReplaced) {
  PWSTR known = nullptr;
  ASSERT_EQ(::SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_CREATE, nullptr, &known), S_OK);
  const fs::path onDesktop = fs::path(known) / "VornakStarter test_ _Redux_.lnk";
  ::CoTaskMemFree(known);
  for (int time = 1; time <= 2; ++time) {
    const ShortcutResult made = Win32ShortcutMaker().makeShortcut(
        {"VornakStarter test: \"Redux\"", "dark shores.ini", launcher, folder});
    EXPECT_TRUE(made.made);
    EXPECT_EQ(made.where, onDesktop.string());
    EXPECT_EQ(linkFields(onDesktop), ours("--start \"dark shores.ini\""));
  }
  EXPECT_FALSE(fs::exists(onDesktop.parent_path() / "VornakStarter test_ _Redux_ (2).lnk"));
  fs::remove(onDesktop);
}

// A file of the user's, or a link of ours for another configuration or to
// another program, stays as it was; the shortcut is numbered.
TEST_F(Win32ShortcutTest, AnythingElseOfThatNameStaysAndTheShortcutIsNumbered) {
  const std::string other = (programDirectory() / "record_command_line.exe").string();
  const std::function<void()> cases[] = {[&] { writeText(file, "the user's own bytes"); },
                                         [&] { make("other.ini"); },
                                         [&] { make("shores.ini", other); }};
  for (const auto& put : cases) {
    SCOPED_TRACE(&put - cases);
    fs::remove_all(desktop);
    fs::create_directory(desktop);
    put();
    const std::string before = readText(file);
    EXPECT_EQ(make("shores.ini").where, numbered.string());
    EXPECT_EQ(linkFields(numbered), ours("--start shores.ini"));
    EXPECT_EQ(readText(file), before);
    EXPECT_EQ(files(), 2);
  }
}

}  // namespace
}  // namespace vs::test
