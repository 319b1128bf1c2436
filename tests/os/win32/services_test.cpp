// The Win32 services on a real disk, a real registry and real processes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <sstream>
#include <thread>

#include "core/archives/archive_switch.h"
#include "core/launch/spawn_error_text.h"
#include "dialog/startup_rules.h"
#include "os/win32/win32_process_starter.h"
#include "os/win32/win32_program_location.h"
#include "os/win32/win32_settings_store.h"
#include "support/win32_game.h"

namespace vs::test {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace fs = std::filesystem;

TEST(Win32FileSystem, FindsByExtensionWithoutRegardToCaseAndNotThroughShortNames) {
  const fs::path dir = freshTempDirectory();
  for (const char* name : {"a.mod", "B.MOD", "long.model", "c.mods", "notes.txt", ".mod"})
    writeText(dir / name, "x");
  fs::create_directory(dir / "folder.Mod");
  Win32FileSystem files;
  EXPECT_THAT(files.findByExtension(dir.string() + "\\", ".mod"),
              UnorderedElementsAre("a.mod", "B.MOD", "folder.Mod", ".mod"));
  EXPECT_TRUE(files.findByExtension((dir / "missing").string() + "\\", ".mod").empty());
  EXPECT_EQ(files.separator(), '\\');
  fs::remove_all(dir);
}

TEST(Win32FileSystem, MovesNeverReplaceAndSayWhyTheyFailed) {
  const fs::path dir = freshTempDirectory();
  fs::create_directory(dir / "park");
  writeText(dir / "a.mod", "new");
  writeText(dir / "park" / "a.mod", "old");
  writeText(dir / "b.mod", "b");
  Win32FileSystem files;
  const auto moves = files.openArchiveMoves({dir.string() + "\\", (dir / "park").string() + "\\"});
  EXPECT_THAT(moves->parkable(".mod"), UnorderedElementsAre("a.mod", "b.mod"));
  const auto refused = moves->park("a.mod");
  ASSERT_TRUE(refused.has_value());
  EXPECT_THAT(*refused, AnyOf(std::strerror(EEXIST), std::strerror(EACCES)));
  EXPECT_TRUE(fs::exists(dir / "a.mod"));

  EXPECT_EQ(moves->bringBack("none.mod"), std::string(std::strerror(ENOENT)));
  EXPECT_EQ(moves->park("b.mod"), std::nullopt);
  EXPECT_EQ(moves->bringBack("B.MOD"), std::nullopt);  // the system ignores case
  EXPECT_TRUE(fs::exists(dir / "b.mod"));
  fs::remove_all(dir);
  EXPECT_EQ(moveFailureText(12345), "Windows error 12345");
}

class Win32ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::current_path(game.root / "bin"); }
  fs::path data() const { return game.root / "data"; }
  fs::path parking() const { return game.root / "data" / "modvdf"; }
  std::vector<std::string> log;
  LogLine record = [this](const std::string& line) { log.push_back(line); };
  Win32Game game;
};

TEST_F(Win32ArchiveTest, ParkingLogsBackslashPathsAndKeepsAFileAlreadyParked) {
  writeText(data() / "abc.mod", "data copy");
  writeText(data() / "twice.mod", "data copy");
  writeText(parking() / "twice.mod", "parked copy");
  writeText(data() / "long.model", "not an archive");
  parkArchives(game.files, archiveDirectories('\\'), record);

  std::sort(log.begin(), log.end());
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "..\\data\\abc.mod --> ..\\data\\modvdf\\abc.mod");
  EXPECT_THAT(log[1], ::testing::StartsWith("..\\data\\twice.mod --> ..\\data\\modvdf\\twice.mod "
                                            "(failed: "));
  EXPECT_TRUE(fs::exists(parking() / "abc.mod"));
  EXPECT_TRUE(fs::exists(data() / "long.model"));
  EXPECT_TRUE(fs::exists(data() / "twice.mod"));
}

TEST_F(Win32ArchiveTest, ActivationBringsBackParkedArchivesAndLogsEachAttempt) {
  writeText(parking() / "Shores.MOD", "x");
  activateArchives(game.files, archiveDirectories('\\'), "shores.mod gone.mod shores.mod", record);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "..\\data\\shores.mod <-- ..\\data\\modvdf\\shores.mod");
  EXPECT_THAT(log[1],
              ::testing::StartsWith("..\\data\\gone.mod <-- ..\\data\\modvdf\\gone.mod (failed: "));
  EXPECT_THAT(log[2], ::testing::StartsWith(
                          "..\\data\\shores.mod <-- ..\\data\\modvdf\\shores.mod (failed: "));
  EXPECT_TRUE(fs::exists(data() / "shores.mod"));
}

TEST_F(Win32ArchiveTest, TheStartButtonSwitchesArchivesAndStartsInTheRealDialog) {
  game.writeMod("shores.ini", "title=Dark Shores\nversion=0.9\nvdf=shores.mod\n");
  writeText(data() / "other.mod", "x");
  writeText(parking() / "shores.mod", "x");
  game.open();
  game.clickItem(0);
  game.click(IDC_WINDOWED);
  game.click(kIdOk);
  EXPECT_THAT(game.logLines(),
              ElementsAre("..\\data\\other.mod --> ..\\data\\modvdf\\other.mod",
                          "..\\data\\shores.mod <-- ..\\data\\modvdf\\shores.mod",
                          "CALLING \"vornakmod.exe\"", "   -game:shores.ini -zwindow "));
  EXPECT_TRUE(fs::exists(data() / "shores.mod"));
  EXPECT_TRUE(fs::exists(parking() / "other.mod"));
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].switches, " -game:shores.ini -zwindow ");
}

TEST(Win32ProcessStarter, FailuresComeBackAsErrnoAndTheirTexts) {
  const fs::path dir = freshTempDirectory();
  Win32ProcessStarter starter;
  const std::string missing = (dir / "vornakmod.exe").string();
  EXPECT_EQ(starter.startProcess(missing, " -game:x.ini"), ENOENT);
  EXPECT_EQ(spawnErrorText(starter.startProcess(missing, " -game:x.ini")),
            "Path or file name not found");
  writeText(dir / "morlex.exe", "not a program");
  EXPECT_THAT(starter.startProcess((dir / "morlex.exe").string(), " -game:x.ini"),
              AnyOf(ENOEXEC, EINVAL));
  fs::remove_all(dir);
}

TEST(Win32ProcessStarter, TheChildGetsItsNameTwoBlanksAndTheSwitchString) {
  const fs::path dir = freshTempDirectory();
  fs::copy_file(programDirectory() / "record_command_line.exe", dir / "vornakmod.exe");
  const fs::path record = dir / "command_line.txt";
  ::SetEnvironmentVariableA("VS_RECORD_FILE", record.string().c_str());
  const fs::path saved = fs::current_path();
  fs::current_path(dir);
  Win32ProcessStarter starter;
  EXPECT_EQ(starter.startProcess("vornakmod.exe", " -game:mymod.ini -zwindow "), 0);
  fs::current_path(saved);
  std::string line;
  for (int i = 0; i < 200 && line.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(record, std::ios::binary);
    std::getline(in, line, '\0');
  }
  EXPECT_EQ(line, "vornakmod.exe  -game:mymod.ini -zwindow ");
  ::SetEnvironmentVariableA("VS_RECORD_FILE", nullptr);
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

TEST(Win32ProgramLocation, FindsTheRunningProgramAndChangesDirectory) {
  Win32ProgramLocation location;
  EXPECT_EQ(fs::path(location.executablePath()).filename().string(), "vs_win32_tests.exe");
  const fs::path saved = fs::current_path();
  const fs::path dir = freshTempDirectory();
  EXPECT_TRUE(location.changeDirectory(dir.string()));
  EXPECT_TRUE(fs::equivalent(fs::current_path(), dir));
  EXPECT_FALSE(location.changeDirectory((dir / "missing").string()));
  fs::current_path(saved);
  fs::remove_all(dir);
}

// A folder below `root` whose path is exactly `length` bytes, made.
fs::path folderOfLength(const fs::path& root, std::size_t length) {
  fs::path folder = root;
  while (folder.string().size() < length) {
    const std::size_t room = length - folder.string().size() - 1;
    folder /= std::string(std::min<std::size_t>(room, 60), 'd');
  }
  fs::create_directories(folder);
  return folder;
}

std::string fileText(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

// An executable path of MAX_PATH bytes or more is taken whole: the launcher
// still makes its folder the working directory and finds its files there.
TEST(Win32ProgramLocation, ALauncherDeeperThanMaxPathFindsItsFiles) {
  const fs::path root = freshTempDirectory();
  const fs::path saved = fs::current_path();
  const fs::path record = root / "location.txt";
  ::SetEnvironmentVariableA("VS_RECORD_FILE", record.string().c_str());

  // A real start from a folder of 250 bytes: the program's path is 270.
  // Wine starts a program by a path that long only by its relative name.
  const fs::path folder = folderOfLength(root, 250);
  fs::copy_file(programDirectory() / "report_location.exe", folder / "report_location.exe");
  writeText(folder / "beside.txt", "found\n");
  fs::current_path(folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = ::CreateProcessW(L"report_location.exe", nullptr, nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
  fs::current_path(saved);
  ASSERT_TRUE(started);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  EXPECT_EQ(fileText(record), (folder / "report_location.exe").string() + "\n1\nfound\n");
  ::SetEnvironmentVariableA("VS_RECORD_FILE", nullptr);

  // Wine starts no program from a folder of 260 bytes or more, so the path is
  // handed in as GetModuleFileNameA cuts it: filling the buffer, with or
  // without ERROR_INSUFFICIENT_BUFFER.
  const fs::path deep = folderOfLength(root, 300);
  writeText(deep / "beside.txt", "deep");
  const std::string deepProgram = (deep / "VornakStarter.EXE").string();
  for (const bool saysSo : {true, false}) {
    SCOPED_TRACE(saysSo);
    const std::string whole = wholeModulePath([&](char* buffer, unsigned long size) {
      const unsigned long length = std::min<unsigned long>(size, deepProgram.size());
      std::memcpy(buffer, deepProgram.data(), length);
      if (length == size && saysSo)
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return length;
    });
    EXPECT_EQ(whole, deepProgram);
  }
  Win32ProgramLocation location;
  ASSERT_TRUE(location.changeDirectory(*vs::programDirectory(deepProgram)));
  EXPECT_EQ(fileText("beside.txt"), "deep");
  fs::current_path(saved);
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

// The registry under the launcher's own key, which each test starts without.
constexpr const char* kKeyPath = "Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteKey(); }
  void TearDown() override { deleteKey(); }
  static void deleteKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kKeyPath); }
  static HKEY openKey() {
    HKEY key = nullptr;
    ::RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_ALL_ACCESS, &key);
    return key;
  }
  struct Stored {
    DWORD type = 0;
    std::vector<std::uint8_t> data;
  };
  static Stored read(const char* name) {
    HKEY key = openKey();
    Stored value;
    DWORD size = 0;
    ::RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    value.data.resize(size);
    ::RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
    ::RegCloseKey(key);
    return value;
  }
  static void write(const char* name, DWORD type, const std::vector<std::uint8_t>& data) {
    Win32SettingsStore store;
    ASSERT_TRUE(store.createOrOpenKey());
    HKEY key = openKey();
    ::RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
    ::RegCloseKey(key);
  }
};

TEST_F(Win32RegistryTest, TheStoreReportsWhatItFinds) {
  Win32SettingsStore store;
  ASSERT_TRUE(store.createOrOpenKey());
  EXPECT_NE(openKey(), nullptr);
  std::vector<std::uint8_t> data;
  EXPECT_EQ(store.queryBinary("nomusic", 4, data), QueryResult::missing);
  write("windowed", REG_DWORD, {1, 0, 0, 0});
  EXPECT_EQ(store.queryBinary("windowed", 4, data), QueryResult::wrongType);
  write("parameters", REG_BINARY, std::vector<std::uint8_t>(261, 'x'));
  EXPECT_EQ(store.queryBinary("parameters", 260, data), QueryResult::tooLong);
  ASSERT_TRUE(store.setBinary("spylevel", {0xFF, 0xFF, 0xFF, 0xFF}));
  ASSERT_EQ(store.queryBinary("spylevel", 4, data), QueryResult::ok);
  EXPECT_EQ(data, (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(Win32RegistryTest, AnExitWritesTheEightValuesByteForByteAndTheNextRunReadsThem) {
  Win32SettingsStore registry;
  {
    Win32Game game;
    game.store = &registry;
    game.writeMod("vornakgame.ini", "title=Vornak\nversion=1\nvdf=\n");
    game.open();
    game.click(IDC_WINDOWED);
    game.click(IDC_NOMUSIC);
    game.click(IDC_CONVERTALL);
    game.type(IDC_PARAMETERS, "-fast 7");
    game.selectCombo(IDC_APPLICATION, 1);
    game.command(kIdCancel);
  }
  const auto four = [](std::uint8_t first) { return std::vector<std::uint8_t>{first, 0, 0, 0}; };
  EXPECT_EQ(read("windowed").data, four(1));
  EXPECT_EQ(read("nomusic").data, four(1));
  EXPECT_EQ(read("nosound").data, four(0));
  EXPECT_EQ(read("startapp").data, four(1));
  EXPECT_EQ(read("modgame").data, four(0));
  EXPECT_EQ(read("spylevel").data, four(0));
  EXPECT_EQ(read("physicalfirst").data, four(0));
  const Stored parameters = read("parameters");
  EXPECT_EQ(parameters.type, static_cast<DWORD>(REG_BINARY));
  ASSERT_EQ(parameters.data.size(), 260u);
  EXPECT_EQ(std::string(parameters.data.begin(), parameters.data.begin() + 8),
            std::string("-fast 7\0", 8));
  for (const char* name : {"windowed", "nomusic", "startapp"})
    EXPECT_EQ(read(name).type, static_cast<DWORD>(REG_BINARY)) << name;

  write("nosound", REG_DWORD, {1, 0, 0, 0});
  Win32SettingsStore again;
  Win32Game game;
  game.store = &again;
  game.open();
  EXPECT_EQ(game.checked(IDC_WINDOWED), BST_CHECKED);
  EXPECT_EQ(game.checked(IDC_NOMUSIC), BST_CHECKED);
  EXPECT_EQ(game.checked(IDC_NOSOUND), BST_UNCHECKED);
  EXPECT_EQ(game.checked(IDC_CONVERTALL), BST_UNCHECKED);
  EXPECT_EQ(game.text(IDC_PARAMETERS), "-fast 7");
  EXPECT_EQ(game.comboSelection(IDC_APPLICATION), 1);
  EXPECT_EQ(game.text(kIdOk), "Start Morlex");
}

}  // namespace
}  // namespace vs::test
