#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/settings/reg_file.h"
#include "core/settings/settings_values.h"
#include "os/posix/posix_settings_store.h"
#include "support/environment_guard.h"
#include "support/game_fixture.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Bytes = std::vector<std::uint8_t>;
using Store = MemorySettingsStore;

const std::string kKey = "HKEY_CURRENT_USER\\Software\\KARNOW-STUDIO Software GmbH\\VornakStarter";

Store::Value binary(Bytes data) {
  return {Store::kBinary, std::move(data)};
}
Store::Value integer(std::int32_t value) {
  return binary(encodeInteger(value));
}

void writeTwoMods(GameFixture& game) {
  game.writeMod("vornakgame.ini", "title=Vornak\nvdf=\n");
  game.writeMod("zmod.ini", "title=Zed\nvdf=zed.mod\n");
}

// One run of the dialog on a copy of `values`; the values as the run left them.
std::map<std::string, Store::Value> runOnce(const std::map<std::string, Store::Value>& values,
                                            const std::function<void(GameFixture&)>& act) {
  GameFixture game;
  writeTwoMods(game);
  game.settings.values = values;
  game.open();
  act(game);
  return game.settings.values;
}

int selectedItems(const HeadlessWindow& w) {
  int count = 0;
  for (const auto& item : w.control(IDC_MODLIST).items) count += item.selected;
  return count;
}

TEST(Settings, FirstRunReadsInOrderWritesNothingAndShowsDefaults) {
  GameFixture game;
  writeTwoMods(game);
  HeadlessWindow& w = game.open();
  EXPECT_EQ(game.settings.opens, 1);
  EXPECT_THAT(game.settings.queries,
              ElementsAre("nomusic", "nosound", "windowed", "startapp", "modgame", "parameters",
                          "spylevel", "physicalfirst"));
  EXPECT_THAT(game.settings.writes, IsEmpty());
  for (int id : {IDC_WINDOWED, IDC_NOSOUND, IDC_NOMUSIC, IDC_PHYSICALFIRST}) {
    EXPECT_EQ(w.control(id).check, 0) << id;
  }
  EXPECT_EQ(w.control(IDC_SPYLEVEL).selection, 0);
  EXPECT_EQ(w.control(IDC_APPLICATION).selection, 0);
  EXPECT_EQ(w.control(IDC_PARAMETERS).text, "");
  EXPECT_TRUE(w.control(IDC_MODLIST).items[0].selected);
  EXPECT_EQ(game.dialog().selectedItem, 0);
}

TEST(Settings, ExitWritesEveryValueInOrderAndAStartWritesNothing) {
  GameFixture game;
  writeTwoMods(game);
  HeadlessWindow& w = game.open();
  w.click(IDC_WINDOWED);
  w.click(kIdOk);
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_THAT(game.settings.writes, IsEmpty());
  EXPECT_FALSE(w.ended());
  w.pressEscape();
  EXPECT_TRUE(w.ended());
  EXPECT_EQ(w.result(), kIdCancel);
  EXPECT_THAT(game.settings.writes,
              ElementsAre("nomusic", "nosound", "windowed", "startapp", "modgame", "spylevel",
                          "physicalfirst", "parameters", Store::kCommit));
  EXPECT_THAT(game.settings.values.at("windowed").data, ElementsAre(1, 0, 0, 0));
  EXPECT_THAT(game.settings.values.at("nomusic").data, ElementsAre(0, 0, 0, 0));
  EXPECT_EQ(game.settings.values.at("parameters").data.size(), 260u);
  for (const auto& [name, value] : game.settings.values) EXPECT_EQ(value.type, Store::kBinary);
}

TEST(Settings, StoredChoicesAreShownAgain) {
  const auto values = runOnce({}, [](GameFixture& game) {
    HeadlessWindow& w = game.window();
    w.click(IDC_NOSOUND);
    w.click(IDC_NOMUSIC);
    w.selectCombo(IDC_SPYLEVEL, 3);
    w.selectCombo(IDC_APPLICATION, 1);
    w.clickItem(1);
    w.type(IDC_PARAMETERS, "-zlog:5");
    w.click(IDC_EXIT);
  });
  const Bytes& parameters = values.at("parameters").data;
  ASSERT_EQ(parameters.size(), 260u);
  EXPECT_EQ(std::string(parameters.begin(), parameters.begin() + 8), std::string("-zlog:5\0", 8));
  EXPECT_THAT(values.at("modgame").data, ElementsAre(1, 0, 0, 0));
  EXPECT_THAT(values.at("spylevel").data, ElementsAre(3, 0, 0, 0));

  runOnce(values, [](GameFixture& game) {
    HeadlessWindow& w = game.window();
    EXPECT_EQ(w.control(IDC_NOSOUND).check, 1);
    EXPECT_EQ(w.control(IDC_NOMUSIC).check, 1);
    EXPECT_EQ(w.control(IDC_WINDOWED).check, 0);
    EXPECT_EQ(w.control(IDC_SPYLEVEL).selection, 3);
    EXPECT_EQ(w.control(IDC_APPLICATION).selection, 1);
    EXPECT_EQ(w.control(IDC_PARAMETERS).text, "-zlog:5");
    EXPECT_TRUE(w.control(IDC_MODLIST).items[1].selected);
    EXPECT_FALSE(w.control(IDC_MODLIST).items[0].selected);
  });
}

TEST(Settings, ValuesOfAnotherTypeOrSizeArePassedOver) {
  runOnce({{"windowed", {Store::kDword, {1, 0, 0, 0}}},
           {"nosound", binary({1, 0, 0, 0, 0})},     // too long for its buffer
           {"spylevel", binary({2})},                // too short for an integer
           {"parameters", binary(Bytes(261, 'x'))},  // too long
           {"physicalfirst", {Store::kDword, {1, 0, 0, 0}}}},
          [](GameFixture& game) {
            StarterDialog& d = game.dialog();
            EXPECT_EQ(game.window().control(IDC_WINDOWED).check, 0);
            EXPECT_EQ(d.windowed, 0);
            EXPECT_EQ(d.noSound, 0);
            EXPECT_EQ(d.spyLevel, 0);
            EXPECT_EQ(d.physicalFirst, 0);
            EXPECT_EQ(game.window().control(IDC_PARAMETERS).text, "");
          });
}

TEST(Settings, ParametersWithoutAZeroByteAreTakenWhole) {
  runOnce({{"parameters", binary({'-', 'a', 'b'})}},
          [](GameFixture& game) { EXPECT_EQ(game.window().control(IDC_PARAMETERS).text, "-ab"); });
}

TEST(Settings, OutOfRangeValuesAreFittedByTheControls) {
  const auto values =
      runOnce({{"nomusic", integer(5)}, {"startapp", integer(2)}, {"spylevel", integer(-7)}},
              [](GameFixture& game) {
                HeadlessWindow& w = game.window();
                EXPECT_EQ(w.control(IDC_NOMUSIC).check, 0);
                EXPECT_EQ(game.dialog().noMusic, 0);
                EXPECT_EQ(w.control(IDC_APPLICATION).selection, -1);
                EXPECT_EQ(game.dialog().startApp, -1);
                EXPECT_EQ(w.control(IDC_SPYLEVEL).selection, -1);
                w.pressEscape();
              });
  EXPECT_THAT(values.at("nomusic").data, ElementsAre(0, 0, 0, 0));
  EXPECT_THAT(values.at("startapp").data, ElementsAre(0xFF, 0xFF, 0xFF, 0xFF));
  EXPECT_THAT(values.at("spylevel").data, ElementsAre(0xFF, 0xFF, 0xFF, 0xFF));
}

TEST(Settings, NoChosenItemIsKeptAsMinusOne) {
  const auto values = runOnce({{"modgame", integer(-1)}}, [](GameFixture& game) {
    EXPECT_EQ(selectedItems(game.window()), 0);
    game.window().pressEscape();
  });
  EXPECT_THAT(values.at("modgame").data, ElementsAre(0xFF, 0xFF, 0xFF, 0xFF));
  runOnce(values, [](GameFixture& game) {
    EXPECT_EQ(selectedItems(game.window()), 0);
    EXPECT_EQ(game.dialog().selectedItem, -1);
  });
}

TEST(Settings, ConversionChoicesAreNeverStored) {
  const auto values = runOnce({}, [](GameFixture& game) {
    game.window().click(IDC_DEVELOPMENT);
    game.window().click(IDC_CONVERTALL);
    EXPECT_EQ(game.window().control(IDC_CONVERTALL).check, 1);
    game.window().pressEscape();
    EXPECT_EQ(game.dialog().convertAll, 1);
  });
  EXPECT_EQ(values.size(), 8u);
  runOnce(values, [](GameFixture& game) {
    EXPECT_EQ(game.window().control(IDC_CONVERTALL).check, 0);
    EXPECT_EQ(game.window().control(IDC_DEVELOPMENT).check, 0);
  });
}

TEST(Settings, KeyThatCannotBeOpenedLeavesDefaultsAndWritesNothing) {
  GameFixture game;
  writeTwoMods(game);
  game.settings.openSucceeds = false;
  game.settings.values["windowed"] = integer(1);
  HeadlessWindow& w = game.open();
  EXPECT_THAT(game.settings.queries, IsEmpty());
  EXPECT_EQ(w.control(IDC_WINDOWED).check, 0);
  w.click(IDC_NOSOUND);
  w.pressEscape();
  EXPECT_THAT(game.settings.writes, IsEmpty());
  EXPECT_TRUE(w.ended());
}

// The dialog on the real settings file in a private XDG_CONFIG_HOME.
class FileRun {
 public:
  explicit FileRun(const std::filesystem::path& config) {
    environment_.set("XDG_CONFIG_HOME", config.c_str());
    store = std::make_unique<PosixSettingsStore>();
    writeTwoMods(game);
    dialog_ = std::make_unique<StarterDialog>(
        Services{game.host, game.files, game.processes, *store, game.location});
    window_ = game.host.open(*dialog_);
  }
  ~FileRun() { dialog_->attachControls(nullptr); }
  HeadlessWindow& window() { return *window_; }
  StarterDialog& dialog() { return *dialog_; }

  GameFixture game;
  std::unique_ptr<PosixSettingsStore> store;

 private:
  EnvironmentGuard environment_;
  std::unique_ptr<StarterDialog> dialog_;
  std::unique_ptr<HeadlessWindow> window_;
};

std::string hexBytes(const std::string& text, std::size_t size) {
  std::string result;
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02x", byte);
    result += digits;
    if (i + 1 < size)
      result += ',';
  }
  return result;
}

TEST(SettingsFile, FirstRunCreatesTheFileAndExitWritesTheExportForm) {
  TempDir config;
  const auto file = config / "KARNOW-STUDIO Software GmbH/VornakStarter.reg";
  {
    FileRun run(config.path());
    EXPECT_EQ(readFile(file), "REGEDIT4\r\n\r\n[" + kKey + "]\r\n\r\n");
    EXPECT_EQ(run.window().control(IDC_WINDOWED).check, 0);
    run.window().click(IDC_WINDOWED);
    run.window().type(IDC_PARAMETERS, "-zlog:5");
    run.window().click(kIdOk);
    EXPECT_EQ(readFile(file), "REGEDIT4\r\n\r\n[" + kKey + "]\r\n\r\n");
    run.window().pressEscape();
  }
  const std::string text = readFile(file);
  const std::string head = "REGEDIT4\r\n\r\n[" + kKey +
                           "]\r\n"
                           "\"nomusic\"=hex:00,00,00,00\r\n"
                           "\"nosound\"=hex:00,00,00,00\r\n"
                           "\"windowed\"=hex:01,00,00,00\r\n"
                           "\"startapp\"=hex:00,00,00,00\r\n"
                           "\"modgame\"=hex:00,00,00,00\r\n"
                           "\"spylevel\"=hex:00,00,00,00\r\n"
                           "\"physicalfirst\"=hex:00,00,00,00\r\n"
                           "\"parameters\"=hex:";
  ASSERT_EQ(text.substr(0, head.size()), head);
  std::string hex = text.substr(head.size());
  ASSERT_TRUE(hex.ends_with("\r\n\r\n"));
  hex.resize(hex.size() - 4);
  for (const std::string joint : {"\\\r\n  "}) {
    for (auto at = hex.find(joint); at != std::string::npos; at = hex.find(joint)) {
      hex.erase(at, joint.size());
    }
  }
  EXPECT_EQ(hex, hexBytes("-zlog:5", 260));
  EXPECT_EQ(reg::RegFile::parse(text).text(), text);

  FileRun again(config.path());
  EXPECT_EQ(again.window().control(IDC_WINDOWED).check, 1);
  EXPECT_EQ(again.window().control(IDC_PARAMETERS).text, "-zlog:5");
}

TEST(SettingsFile, OtherLinesSurviveAnExitByteForByte) {
  TempDir config;
  const auto file = config / "KARNOW-STUDIO Software GmbH/VornakStarter.reg";
  const std::string mine =
      "REGEDIT4\n\n; my notes \xE9\n[HKEY_CURRENT_USER\\Software\\Else]\n"
      "\"nomusic\"=hex:07\n\n[" +
      kKey +
      "]\n\"colour\"=\"blue\"\n"
      "\"windowed\"=dword:00000001\n";
  writeFile(file, mine);
  {
    FileRun run(config.path());
    EXPECT_EQ(run.window().control(IDC_WINDOWED).check, 0);
    EXPECT_EQ(run.window().control(IDC_NOMUSIC).check, 0);
    run.window().pressEscape();
  }
  const std::string text = readFile(file);
  EXPECT_EQ(text.substr(0, mine.find("\"windowed\"")), mine.substr(0, mine.find("\"windowed\"")));
  EXPECT_NE(text.find("\"windowed\"=hex:00,00,00,00\n\"nomusic\"=hex:00,00,00,00\n"),
            std::string::npos);
  EXPECT_EQ(text.find("dword"), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);  // the file's own line ends
}

TEST(SettingsFile, DamagedFilesNeverStopTheLauncherAndKeepWhatCanBeRead) {
  const std::string good = "\"nosound\"=hex:01,00,00,00\r\n";
  const std::string damaged[] = {
      std::string("\0\xFF\xFE garbage \x01[", 15) + "\n[" + kKey + "]\n" + good,
      "REGEDIT4\r\n\r\n[" + kKey + "]\r\n" + good + "\"parameters\"=hex:41,42,\\\r\n  43,",
      "[" + kKey + "]\r\n" + good + "\"nomusic\"=hex:01,00,",
      "REGEDIT4\r\n[" + kKey + "\r\n" + good,  // no closing bracket: not our key
  };
  for (std::size_t i = 0; i < std::size(damaged); ++i) {
    TempDir config;
    const auto file = config / "KARNOW-STUDIO Software GmbH/VornakStarter.reg";
    writeFile(file, damaged[i]);
    FileRun run(config.path());
    EXPECT_EQ(run.window().control(IDC_NOSOUND).check, i == 3 ? 0 : 1) << i;
    EXPECT_EQ(run.window().control(IDC_NOMUSIC).check, 0) << i;
    EXPECT_EQ(run.window().control(IDC_PARAMETERS).text, "") << i;
    run.window().type(IDC_PARAMETERS, "-x");
    run.window().pressEscape();
    EXPECT_TRUE(run.window().ended());
    const auto parsed = reg::RegFile::parse(readFile(file));
    EXPECT_TRUE(parsed.hasHeader()) << i;
    EXPECT_EQ(parsed.find(kKey, "parameters").state, reg::Lookup::found) << i;
  }
}

TEST(SettingsFile, AnUncreatableFileLeavesDefaultsAndTheDialogStillEnds) {
  TempDir config;
  writeFile(config / "KARNOW-STUDIO Software GmbH", "a file where the directory should be");
  FileRun run(config.path());
  EXPECT_FALSE(run.dialog().settingsKey);
  run.window().click(IDC_WINDOWED);
  run.window().pressEscape();
  EXPECT_TRUE(run.window().ended());
  EXPECT_EQ(readFile(config / "KARNOW-STUDIO Software GmbH"),
            "a file where the directory should be");
}

TEST(SettingsFile, AReadOnlyDirectoryLeavesDefaultsAndWritesNothing) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "running as root, which may write into a directory of mode 500";
  TempDir config;
  std::filesystem::create_directories(config / "KARNOW-STUDIO Software GmbH");
  ::chmod((config / "KARNOW-STUDIO Software GmbH").c_str(), 0500);
  {
    FileRun run(config.path());
    EXPECT_FALSE(run.dialog().settingsKey);
    run.window().pressEscape();
    EXPECT_TRUE(run.window().ended());
  }
  ::chmod((config / "KARNOW-STUDIO Software GmbH").c_str(), 0700);
  EXPECT_TRUE(std::filesystem::is_empty(config / "KARNOW-STUDIO Software GmbH"));
}

}  // namespace
}  // namespace vs::test
