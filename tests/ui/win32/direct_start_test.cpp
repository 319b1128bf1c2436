// The built VornakStarter.EXE run as a process of its own in a game folder,
// started from another folder, with its output redirected to files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/launch/launcher_texts.h"
#include "os/win32/ansi_text.h"
#include "support/win32_game.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
constexpr const char* kKeyPath = "Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";

struct Outcome {
  DWORD status = 99;
  std::string out, err;
};

// `act` is given the process until it has done its part (or for 20 s).
// Without `redirected` the launcher has nowhere to print.
Outcome run(const fs::path& root, const std::string& arguments,
            const std::function<bool(DWORD)>& act = {}, bool redirected = true) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  auto open = [&](const char* name) {
    return ::CreateFileA((root / name).string().c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                         CREATE_ALWAYS, 0, nullptr);
  };
  STARTUPINFOA startup{.cb = sizeof startup, .dwFlags = STARTF_USESTDHANDLES};
  startup.hStdOutput = redirected ? open("out.txt") : nullptr;
  startup.hStdError = redirected ? open("err.txt") : nullptr;
  const std::string program = (root / "bin" / "VornakStarter.EXE").string();
  std::string line = "\"" + program + "\" " + arguments;
  PROCESS_INFORMATION process{};
  Outcome result;
  if (::CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                       nullptr, root.string().c_str(), &startup, &process)) {
    for (int i = 0; act && i < 400 && !act(process.dwProcessId); ++i) ::Sleep(50);
    if (::WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
      ::TerminateProcess(process.hProcess, 99);  // a window left open
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &result.status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  if (!redirected)
    return result;
  ::CloseHandle(startup.hStdOutput);
  ::CloseHandle(startup.hStdError);
  return {result.status, readText(root / "out.txt"), readText(root / "err.txt")};
}

class DirectStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath);
    fs::copy_file(programDirectory().parent_path() / "VornakStarter.EXE",
                  bin / "VornakStarter.EXE");
    fs::copy_file(programDirectory() / "record_command_line.exe", bin / "vornakmod.exe");
    game.writeMod("shores.ini", "title=Dark Shores\nversion=0.9\nvdf=\n");
    game.writeMod("vornakgame.ini", "title=Vornak\nversion=1.08\nvdf=\n");
    ::SetEnvironmentVariableA("VS_RECORD_FILE", record.string().c_str());
  }
  void TearDown() override {
    ::SetEnvironmentVariableA("VS_RECORD_FILE", nullptr);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath);
  }

  Win32Game game;  // the folders, removed afterwards
  fs::path bin = game.root / "bin";
  fs::path record = game.root / "command_line.txt";
};

TEST_F(DirectStartTest, StartListAndUsageErrorsGiveTheirOutputAndStatus) {
  std::string usage;
  for (const char c : std::string(launcherTexts.usage))
    usage += c == '\n' ? "\r\n" : std::string(1, c);
  struct Case {
    const char* arguments;
    DWORD status;
    std::string out, err, gameLine;
  };
  const Case cases[] = {
      {"--start SHORES.ini", 0, "", "", "vornakmod.exe  -game:shores.ini "},
      {"--list", 0, "shores.ini\tDark Shores (0.9)\r\nvornakgame.ini\tVornak (1.08)\r\n", ""},
      {"--version", 0, "VornakStarter 1.13\r\n", ""},
      {"--help", 0, usage, ""},
      {"--bogus", 2, "", "VornakStarter: unknown option \"--bogus\"\r\n" + usage},
      {"--start", 2, "",
       "VornakStarter: --start needs the file name of a configuration\r\n" + usage},
      {"--start a.ini b", 2, "", "VornakStarter: one argument too many: \"b\"\r\n" + usage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Outcome result = run(game.root, c.arguments);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    for (int i = 0; i < 100 && !c.gameLine.empty() && !fs::exists(record); ++i) ::Sleep(50);
    ::Sleep(100);
    EXPECT_EQ(readText(record), c.gameLine);
    fs::remove(record);
  }
  HKEY key = nullptr;
  EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
}

// The dialog opens on the attempt's log; closing it ends the launcher with 1.
TEST_F(DirectStartTest, AFailedStartOpensTheDialogOnItsLogAndEndsWithStatusOne) {
  std::vector<std::string> shown;
  const Outcome result = run(game.root, "--start missing.ini", [&](DWORD process) {
    HWND window = ::FindWindowA(nullptr, "VornakStarter v1.13");
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != process || !::IsWindowVisible(window))
      return false;
    HWND log = ::GetDlgItem(window, IDC_ARCHIVELOG);
    for (int i = 0; i < ::SendMessageA(log, LB_GETCOUNT, 0, 0); ++i) {
      wchar_t text[512] = {};  // across processes the text comes as UTF-16
      ::SendMessageW(log, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      shown.push_back(ansiFromWide(text));
    }
    return ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0) != FALSE;
  });
  const std::string why = "Error: No configuration \"missing.ini\" beside the launcher";
  EXPECT_EQ(result.status, 1u);
  EXPECT_THAT(shown, ::testing::ElementsAre(why));
  EXPECT_EQ(result.err, why + "\r\n");
}

// Without a console or a redirection the text comes in a message box.
TEST_F(DirectStartTest, WithNowhereToPrintTheTextShowsInAMessageBox) {
  std::string caption, text;
  const Outcome result = run(
      game.root, "--version",
      [&](DWORD process) {
        HWND box = ::FindWindowA(nullptr, "VornakStarter");
        DWORD owner = 0;
        ::GetWindowThreadProcessId(box, &owner);
        if (owner != process || !::IsWindowVisible(box))
          return false;
        char shown[256] = {};
        ::GetWindowTextA(::GetDlgItem(box, 0xFFFF), shown, sizeof shown);
        text = shown;
        ::GetWindowTextA(box, shown, sizeof shown);
        caption = shown;
        return ::PostMessageA(box, WM_COMMAND, IDOK, 0) != FALSE;
      },
      false);
  EXPECT_EQ(result.status, 0u);
  EXPECT_EQ(caption, "VornakStarter");
  EXPECT_THAT(text, ::testing::HasSubstr("VornakStarter 1.13"));
}

}  // namespace
}  // namespace vs::test
