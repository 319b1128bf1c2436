// Which Wine and which relay a Windows program starts with, seen through a
// stand-in Wine that records what it was given: no real Wine is needed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/launch/spawn_error_text.h"
#include "os/posix/posix_process_starter.h"
#include "support/environment_guard.h"
#include "support/stand_in.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

constexpr const char* kLine = "vornakmod.exe  -game:a.ini \"x y\" \\\"z ";

// A Wine that writes its tag, the relay's name, WINEPREFIX and the line it
// was to hand on (hex) to `record`.
std::string recordingWine(const fs::path& record, const std::string& tag) {
  return "#!/bin/sh\nPATH=/usr/bin:/bin\n{ echo '" + tag +
         "'; basename \"$1\"; echo \"${WINEPREFIX-unset}\"; echo \"$3\"; } > '" + record.string() +
         ".part' && mv '" + record.string() + ".part' '" + record.string() + "'\n";
}

std::string unhex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

class WineChoice : public ::testing::Test {
 protected:
  WineChoice() {
    fs::create_directories(dir / "relays");
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "home");
    writeFile(dir / "relays" / "VornakStarterRelay.exe", "MZ");
    writeFile(dir / "relays" / "VornakStarterRelay32.exe", "MZ");
    writeExecutable(dir / "bin" / "wine", recordingWine(record, "path"));
    environment.set("WINE", nullptr);
    environment.set("WINEPREFIX", nullptr);
    environment.set("HOME", (dir / "home").c_str());
    placeGame(dir / "game");
  }
  void placeGame(const fs::path& folder) {
    fs::create_directories(folder);
    writeExecutable(folder / "vornakmod.exe", "MZ\x90", false);
    fs::current_path(folder);
  }
  // The start's result and, when it started, the record.
  std::pair<int, std::vector<std::string>> start() {
    fs::remove(record);
    const int result = starter.startProcess("vornakmod.exe", " -game:a.ini \"x y\" \\\"z ");
    if (result != 0)
      return {result, {}};
    auto recorded = lines(waitForFile(record));
    if (recorded.size() == 4)
      recorded[3] = unhex(recorded[3]);
    return {result, recorded};
  }

  TempDir dir;
  WorkingDirectoryGuard cwd;
  EnvironmentGuard environment;
  PathGuard path{(dir / "bin").string()};
  fs::path record = dir / "record";
  PosixProcessStarter starter{(dir / "relays").string()};
};

TEST_F(WineChoice, TheWineVariableComesFirstAndMustNameAProgram) {
  fs::create_directories(dir / "runner" / "bin");
  writeExecutable(dir / "runner" / "bin" / "wine", recordingWine(record, "runner"));
  writeExecutable(dir / "bin" / "wine-named", recordingWine(record, "named"));
  writeExecutable(dir / "runner" / "bin" / "plain", recordingWine(record, "x"), false);
  writeExecutable(dir / "runner" / "bin" / "garbage", std::string("\x01\x02\x03\xff", 4));
  // A relative path is refused even where it exists, seen from the game.
  fs::create_directories(dir / "game" / "runner");
  writeExecutable(dir / "game" / "runner" / "wine", recordingWine(record, "relative"));

  const std::string runner = (dir / "runner" / "bin").string();
  struct Case {
    std::string wine;
    int result;
    const char* tag;  // of the Wine that ran
  };
  const Case cases[] = {
      {runner + "/wine", 0, "runner"},
      {"wine-named", 0, "named"},  // looked up on PATH
      {"", kWineNotRunnable, ""},
      {"runner/wine", kWineNotRunnable, ""},
      {runner, kWineNotRunnable, ""},
      {runner + "/plain", kWineNotRunnable, ""},
      {runner + "/garbage", kWineNotRunnable, ""},
      {runner + "/missing", kWineNotRunnable, ""},
      {"no-such-wine", kWineNotRunnable, ""},
  };
  for (const Case& c : cases) {
    environment.set("WINE", c.wine.c_str());
    const auto [result, recorded] = start();
    EXPECT_EQ(result, c.result) << "WINE=" << c.wine;
    if (c.result == 0)
      EXPECT_THAT(recorded, ElementsAre(c.tag, "VornakStarterRelay.exe", "unset", kLine))
          << "WINE=" << c.wine;
    else
      EXPECT_FALSE(fs::exists(record)) << "WINE=" << c.wine;
  }

  environment.set("WINE", nullptr);
  EXPECT_THAT(start().second, ElementsAre("path", "VornakStarterRelay.exe", "unset", kLine));
  fs::remove(dir / "bin" / "wine");
  EXPECT_EQ(start().first, kNoWineFound);
  EXPECT_THAT(waitForNoChildren(), ::testing::IsEmpty());
}

// The prefix's system.reg decides between the relays; only its head is read.
TEST_F(WineChoice, AWin32PrefixTakesThe32BitRelayAnythingElseThe64BitOne) {
  const std::string head = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
  enum Place { kVariable, kAroundGame, kHome };
  struct Case {
    const char* label;
    Place place;
    std::string systemReg;  // "<dir>" and "<fifo>" put those in its place
    const char* relay;
  };
  const Case cases[] = {
      {"win32", kVariable, head + "#arch=win32\n", "VornakStarterRelay32.exe"},
      {"win32 with CR LF", kVariable, "WINE REGISTRY\r\n#arch=win32\r\n",
       "VornakStarterRelay32.exe"},
      {"win64", kVariable, head + "#arch=win64\n", "VornakStarterRelay.exe"},
      {"no arch line", kVariable, head + "[Software]\n", "VornakStarterRelay.exe"},
      {"binary", kVariable, std::string("\0\xff#arch=win32x\n\x01", 16), "VornakStarterRelay.exe"},
      {"too far down", kVariable, head + std::string(8192, ';') + "\n#arch=win32\n",
       "VornakStarterRelay.exe"},
      {"a folder", kVariable, "<dir>", "VornakStarterRelay.exe"},
      {"a pipe", kVariable, "<fifo>", "VornakStarterRelay.exe"},
      {"missing", kVariable, "", "VornakStarterRelay.exe"},
      {"around the game", kAroundGame, head + "#arch=win32\n", "VornakStarterRelay32.exe"},
      {"the home prefix", kHome, head + "#arch=win32\n", "VornakStarterRelay32.exe"},
      {"no home prefix", kHome, "", "VornakStarterRelay.exe"},
  };
  for (const Case& c : cases) {
    const fs::path prefix = c.place == kHome ? dir / "home" / ".wine" : dir / "prefix";
    fs::remove_all(prefix);
    fs::create_directories(prefix / "drive_c");
    const fs::path reg = prefix / "system.reg";
    if (c.systemReg == "<dir>")
      fs::create_directories(reg);
    else if (c.systemReg == "<fifo>")
      ASSERT_EQ(::mkfifo(reg.c_str(), 0600), 0);
    else if (!c.systemReg.empty())
      writeFile(reg, c.systemReg);
    environment.set("WINEPREFIX", c.place == kVariable ? prefix.c_str() : nullptr);
    placeGame(c.place == kAroundGame ? prefix / "drive_c" / "Games" / "system" : dir / "game");

    const auto [result, recorded] = start();
    // The prefix around the game is handed to Wine; the home one is Wine's own.
    const std::string exported = c.place == kHome ? "unset" : prefix.string();
    EXPECT_EQ(result, 0) << c.label;
    EXPECT_THAT(recorded, ElementsAre("path", c.relay, exported, kLine)) << c.label;
  }
}

}  // namespace
}  // namespace vs::test
