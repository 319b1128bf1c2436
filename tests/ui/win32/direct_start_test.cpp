// The built VornakStarter.EXE's command line, run as its own process in a
// game folder of its own, with its output redirected to files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <thread>

#include "core/launch/launcher_texts.h"
#include "os/win32/ansi_text.h"
#include "support/win32_game.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kKeyPath = "Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";
constexpr DWORD kLongestRun = 30000;  // ms: a window left open fails the test, not the run

std::string fileText(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

std::string withWindowsLineEnds(const std::string& text) {
  std::string lines;
  for (const char c : text) lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return lines;
}

bool settingsKeyExists() {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  ::RegCloseKey(key);
  return true;
}

// The launcher's visible top-level window, once it shows.
HWND windowOf(DWORD process) {
  struct Search {
    DWORD process;
    HWND found;
  } search{process, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& wanted = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner != wanted.process || !::IsWindowVisible(window))
          return TRUE;
        wanted.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string windowText(HWND window) {
  char text[2048] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

class DirectStartTest : public ::testing::Test {
 protected:
  struct Run {
    DWORD status = 0;
    std::string out;
    std::string err;
  };

  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath);
    fs::create_directories(root / "bin");
    fs::create_directories(root / "data" / "modvdf");
    fs::create_directories(root / "elsewhere");
    fs::copy_file(programDirectory().parent_path() / "VornakStarter.EXE",
                  root / "bin" / "VornakStarter.EXE");
    fs::copy_file(programDirectory() / "record_command_line.exe", root / "bin" / "vornakmod.exe");
    writeText(root / "bin" / "shores.ini", "[info]\ntitle=Dark Shores\nversion=0.9\nvdf=\n");
    writeText(root / "bin" / "vornakgame.ini", "[info]\ntitle=Vornak\nversion=1.08\nvdf=\n");
    ::SetEnvironmentVariableA("VS_RECORD_FILE", record().string().c_str());
  }
  void TearDown() override {
    ::SetEnvironmentVariableA("VS_RECORD_FILE", nullptr);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath);
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  fs::path record() const { return root / "command_line.txt"; }

  // From a folder that is not the launcher's; `whileRunning` acts on the
  // process until it returns true or the time is up.
  Run run(const std::string& arguments, bool redirected = true,
          const std::function<bool(DWORD)>& whileRunning = {}) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const fs::path outFile = root / "out.txt", errFile = root / "err.txt";
    auto open = [&](const fs::path& file) {
      return ::CreateFileA(file.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, 0, nullptr);
    };
    HANDLE out = redirected ? open(outFile) : nullptr, err = redirected ? open(errFile) : nullptr;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    const std::string program = (root / "bin" / "VornakStarter.EXE").string();
    std::string line = "\"" + program + "\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started =
        ::CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                         nullptr, (root / "elsewhere").string().c_str(), &startup, &process);
    if (redirected) {
      ::CloseHandle(out);
      ::CloseHandle(err);
    }
    Run result;
    if (!started) {
      ADD_FAILURE() << "CreateProcess failed: " << ::GetLastError();
      return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLongestRun);
    while (whileRunning && !whileRunning(process.dwProcessId) &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (::WaitForSingleObject(process.hProcess, kLongestRun) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "the launcher did not end: " << arguments;
      ::TerminateProcess(process.hProcess, 99);
      ::WaitForSingleObject(process.hProcess, INFINITE);
    }
    ::GetExitCodeProcess(process.hProcess, &result.status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (redirected) {
      result.out = fileText(outFile);
      result.err = fileText(errFile);
    }
    return result;
  }

  // What the stand-in game wrote, once it has.
  std::string recordedLine() {
    for (int i = 0; i < 200 && !fs::exists(record()); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return fileText(record());
  }

  fs::path root = freshTempDirectory();
};

TEST_F(DirectStartTest, StartStartsTheGameWithTheSavedChoicesAndWritesNoSetting) {
  const Run result = run("--start SHORES.ini");
  EXPECT_EQ(result.status, 0u);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(recordedLine(), "vornakmod.exe  -game:shores.ini ");
  EXPECT_FALSE(settingsKeyExists());
}

TEST_F(DirectStartTest, ListHelpAndVersionPrintWindowsTextLines) {
  struct Case {
    const char* arguments;
    const char* out;
  };
  const Case cases[] = {
      {"--list", "shores.ini\tDark Shores (0.9)\r\nvornakgame.ini\tVornak (1.08)\r\n"},
      {"--version", "VornakStarter 1.13\r\n"},
      {"--help", "Usage: VornakStarter [--start NAME | --list | --help | --version]\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Run result = run(c.arguments);
    EXPECT_EQ(result.status, 0u);
    EXPECT_THAT(result.out, StartsWith(c.out));
    EXPECT_EQ(result.err, "");
  }
  EXPECT_FALSE(fs::exists(record()));
}

TEST_F(DirectStartTest, ACommandLineItCannotUseGivesTheUsageOnErrorOutputAndStatusTwo) {
  struct Case {
    const char* arguments;
    const char* problem;
  };
  const Case cases[] = {
      {"--bogus", "VornakStarter: unknown option \"--bogus\"\n"},
      {"--start", "VornakStarter: --start needs the file name of a configuration\n"},
      {"--start shores.ini \"two words\"", "VornakStarter: one argument too many: \"two words\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Run result = run(c.arguments);
    EXPECT_EQ(result.status, 2u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, withWindowsLineEnds(std::string(c.problem) + launcherTexts.usage));
  }
  EXPECT_FALSE(fs::exists(record()));
  EXPECT_FALSE(settingsKeyExists());
}

// The dialog opens on the attempt's log; closing it ends the launcher with 1.
TEST_F(DirectStartTest, AFailedStartOpensTheDialogOnItsLogAndEndsWithStatusOne) {
  std::vector<std::string> shown;
  const Run result = run("--start missing.ini", true, [&](DWORD process) {
    HWND window = windowOf(process);
    if (window == nullptr)
      return false;
    EXPECT_EQ(windowText(window), "VornakStarter v1.13");
    HWND log = ::GetDlgItem(window, IDC_ARCHIVELOG);
    const auto count = ::SendMessageA(log, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
      // Across processes the text comes as UTF-16 whichever call asks.
      wchar_t line[512] = {};
      ::SendMessageW(log, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
      shown.push_back(ansiFromWide(line));
    }
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  });
  EXPECT_EQ(result.status, 1u);
  EXPECT_THAT(shown, ElementsAre("Error: No configuration \"missing.ini\" beside the launcher"));
  EXPECT_EQ(result.err, "Error: No configuration \"missing.ini\" beside the launcher\r\n");
  EXPECT_FALSE(fs::exists(record()));
}

// Without a console or a redirection the text comes in a message box.
TEST_F(DirectStartTest, WithNowhereToPrintTheTextShowsInAMessageBox) {
  std::string caption, text;
  const Run result = run("--version", false, [&](DWORD process) {
    HWND box = windowOf(process);
    if (box == nullptr)
      return false;
    caption = windowText(box);
    text = windowText(::GetDlgItem(box, 0xFFFF));
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
  });
  EXPECT_EQ(result.status, 0u);
  EXPECT_EQ(caption, "VornakStarter");
  EXPECT_THAT(text, HasSubstr("VornakStarter 1.13"));
}

}  // namespace
}  // namespace vs::test
