#include "os/posix/posix_settings_store.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/settings/reg_file.h"
#include "support/environment_guard.h"
#include "support/temp_dir.h"

namespace vs::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

const std::string kMakerDir = "KARNOW-STUDIO Software GmbH";
const std::string kKeyLine =
    "[HKEY_CURRENT_USER\\Software\\KARNOW-STUDIO Software GmbH\\VornakStarter]";
const std::string kNewFile = "REGEDIT4\r\n\r\n" + kKeyLine + "\r\n\r\n";

ino_t inode(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

bool runningAsRoot() {
  return ::geteuid() == 0;
}

struct StoreFixture {
  TempDir dir;
  fs::path file = dir / (kMakerDir + "/VornakStarter.reg");
  PosixSettingsStore store{file};
};

TEST(PosixSettingsPath, XdgConfigHomeWhenAbsoluteElseHomeDotConfig) {
  EXPECT_EQ(settingsFilePath("/x/conf", "/home/u"),
            fs::path("/x/conf/KARNOW-STUDIO Software GmbH/VornakStarter.reg"));
  EXPECT_EQ(settingsFilePath("relative/conf", "/home/u"),
            fs::path("/home/u/.config/KARNOW-STUDIO Software GmbH/VornakStarter.reg"));
  EXPECT_EQ(settingsFilePath("", "/home/u"), settingsFilePath(nullptr, "/home/u"));
  EXPECT_EQ(settingsFilePath(nullptr, "/home/u"),
            fs::path("/home/u/.config/KARNOW-STUDIO Software GmbH/VornakStarter.reg"));
  EXPECT_EQ(settingsFilePath(nullptr, "home"), std::nullopt);
  EXPECT_EQ(settingsFilePath(nullptr, nullptr), std::nullopt);
}

TEST(PosixSettingsPath, DefaultStoreReadsTheEnvironment) {
  EnvironmentGuard environment;
  TempDir xdg, home;
  environment.set("XDG_CONFIG_HOME", xdg.path().c_str());
  environment.set("HOME", home.path().c_str());
  ASSERT_TRUE(PosixSettingsStore().createOrOpenKey());
  EXPECT_EQ(readFile(xdg / (kMakerDir + "/VornakStarter.reg")), kNewFile);
  environment.set("XDG_CONFIG_HOME", nullptr);
  ASSERT_TRUE(PosixSettingsStore().createOrOpenKey());
  EXPECT_EQ(readFile(home / (".config/" + kMakerDir + "/VornakStarter.reg")), kNewFile);
  // Without either, the password database still names a home.
  environment.set("HOME", nullptr);
  const auto file = userSettingsFile();
  if (file) {
    EXPECT_EQ(file->filename(), "VornakStarter.reg");
  }
}

TEST(PosixSettingsStore, OpeningCreatesDirectoryAndFileOnceAndReadsNothing) {
  StoreFixture f;
  ASSERT_TRUE(f.store.createOrOpenKey());
  EXPECT_EQ(readFile(f.file), kNewFile);
  const ino_t first = inode(f.file);
  Bytes data{9};
  EXPECT_EQ(f.store.queryBinary("nomusic", 4, data), QueryResult::missing);
  EXPECT_THAT(data, ElementsAre(9));

  PosixSettingsStore again(f.file);
  ASSERT_TRUE(again.createOrOpenKey());
  EXPECT_EQ(inode(f.file), first);  // an existing key is opened, not rewritten
}

TEST(PosixSettingsStore, OpeningAFileWithoutTheKeyAddsItBelowTheOtherLines) {
  StoreFixture f;
  writeFile(f.file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"a\"=hex:01\n");
  ASSERT_TRUE(f.store.createOrOpenKey());
  EXPECT_EQ(readFile(f.file), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"a\"=hex:01\n\n" +
                                  kKeyLine + "\n\n");
}

TEST(PosixSettingsStore, QueriesAnswerAsARegistryWould) {
  StoreFixture f;
  writeFile(f.file, kNewFile.substr(0, kNewFile.size() - 2) +
                        "\"bin\"=hex:01,02,03,04\r\n"
                        "\"short\"=hex:01\r\n"
                        "\"dw\"=dword:00000001\r\n"
                        "\"bigdw\"=hex(4):01,00,00,00,00\r\n"
                        "\"text\"=\"abc\"\r\n"
                        "\"broken\"=hex:01,\r\n");
  Bytes data;
  EXPECT_EQ(f.store.queryBinary("bin", 4, data), QueryResult::failed);  // not open yet
  ASSERT_TRUE(f.store.createOrOpenKey());
  ASSERT_EQ(f.store.queryBinary("bin", 4, data), QueryResult::ok);
  EXPECT_THAT(data, ElementsAre(1, 2, 3, 4));
  EXPECT_EQ(f.store.queryBinary("BIN", 3, data), QueryResult::tooLong);
  ASSERT_EQ(f.store.queryBinary("short", 4, data), QueryResult::ok);
  EXPECT_THAT(data, ElementsAre(1));
  EXPECT_EQ(f.store.queryBinary("dw", 4, data), QueryResult::wrongType);
  EXPECT_EQ(f.store.queryBinary("bigdw", 4, data), QueryResult::tooLong);
  EXPECT_EQ(f.store.queryBinary("text", 260, data), QueryResult::wrongType);
  EXPECT_EQ(f.store.queryBinary("broken", 4, data), QueryResult::failed);
  EXPECT_EQ(f.store.queryBinary("none", 4, data), QueryResult::missing);
}

TEST(PosixSettingsStore, ValuesSetWaitForOneCommitThatReplacesTheFileKeepingEverythingElse) {
  StoreFixture f;
  const std::string before = "REGEDIT4\r\n\r\n; mine\r\n" + kKeyLine +
                             "\r\n\"other\"=\"x\"\r\n\"windowed\"=dword:00000001\r\n\r\n";
  writeFile(f.file, before);
  ::chmod(f.file.c_str(), 0640);
  ASSERT_TRUE(f.store.createOrOpenKey());
  // The old file, held open, must come out of the save untouched: the save
  // writes a new file and renames it over the old one.
  const int oldFile = ::open(f.file.c_str(), O_RDONLY);
  ASSERT_GE(oldFile, 0);
  const ino_t old = inode(f.file);
  ASSERT_TRUE(f.store.setBinary("windowed", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.setBinary("nomusic", {0, 0, 0, 0}));
  Bytes data;
  ASSERT_EQ(f.store.queryBinary("WINDOWED", 4, data), QueryResult::ok);
  EXPECT_THAT(data, ElementsAre(1, 0, 0, 0));
  EXPECT_EQ(readFile(f.file), before);
  EXPECT_EQ(inode(f.file), old);
  ASSERT_TRUE(f.store.commit());
  EXPECT_EQ(readFile(f.file), "REGEDIT4\r\n\r\n; mine\r\n" + kKeyLine +
                                  "\r\n\"other\"=\"x\"\r\n\"windowed\"=hex:01,00,00,00\r\n"
                                  "\"nomusic\"=hex:00,00,00,00\r\n\r\n");
  EXPECT_NE(inode(f.file), old);
  std::string oldText(before.size() + 10, '\0');
  oldText.resize(static_cast<std::size_t>(::pread(oldFile, oldText.data(), oldText.size(), 0)));
  ::close(oldFile);
  EXPECT_EQ(oldText, before);
  struct stat info {};
  ASSERT_EQ(::stat(f.file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // Nothing but the file itself is left in the directory.
  EXPECT_EQ(std::distance(fs::directory_iterator(f.file.parent_path()), {}), 1);

  // Setting the values it already has rewrites nothing, nor does a commit
  // with nothing set.
  const ino_t now = inode(f.file);
  ASSERT_TRUE(f.store.setBinary("windowed", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.setBinary("nomusic", {0, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  ASSERT_TRUE(f.store.commit());
  EXPECT_EQ(inode(f.file), now);
}

TEST(PosixSettingsStore, ChangesByAnotherWriterAreSeenAndKept) {
  StoreFixture f;
  PosixSettingsStore other(f.file);
  ASSERT_TRUE(f.store.createOrOpenKey());
  ASSERT_TRUE(other.createOrOpenKey());
  Bytes data;
  EXPECT_EQ(f.store.queryBinary("nomusic", 4, data), QueryResult::missing);
  ASSERT_TRUE(other.setBinary("nomusic", {1, 0, 0, 0}));
  ASSERT_TRUE(other.commit());
  ASSERT_EQ(f.store.queryBinary("nomusic", 4, data), QueryResult::ok);
  EXPECT_THAT(data, ElementsAre(1, 0, 0, 0));
  ASSERT_TRUE(f.store.setBinary("nosound", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  // An edit in place, of the same size, by hand.
  std::string text = readFile(f.file);
  text.replace(text.find("\"nosound\"=hex:01"), 16, "\"nosound\"=hex:02");
  ::usleep(10000);
  writeFile(f.file, text);
  ASSERT_EQ(f.store.queryBinary("nosound", 4, data), QueryResult::ok);
  EXPECT_THAT(data, ElementsAre(2, 0, 0, 0));
  // Values that wait are laid over the file as the commit finds it.
  ASSERT_TRUE(other.setBinary("windowed", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.setBinary("nosound", {2, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  ASSERT_TRUE(other.commit());
  EXPECT_EQ(readFile(f.file), kNewFile.substr(0, kNewFile.size() - 2) +
                                  "\"nomusic\"=hex:01,00,00,00\r\n"
                                  "\"nosound\"=hex:02,00,00,00\r\n"
                                  "\"windowed\"=hex:01,00,00,00\r\n\r\n");
}

TEST(PosixSettingsStore, ALinkedFileStaysLinked) {
  StoreFixture f;
  const fs::path real = f.dir / "dotfiles/settings.reg";
  writeFile(real, kNewFile);
  fs::create_directories(f.file.parent_path());
  fs::create_symlink(real, f.file);
  ASSERT_TRUE(f.store.createOrOpenKey());
  ASSERT_TRUE(f.store.setBinary("nosound", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  EXPECT_TRUE(fs::is_symlink(f.file));
  EXPECT_NE(readFile(real).find("\"nosound\"=hex:01,00,00,00"), std::string::npos);
}

TEST(PosixSettingsStore, AFileRemovedWhileOpenIsMadeAgainOnTheNextSet) {
  StoreFixture f;
  ASSERT_TRUE(f.store.createOrOpenKey());
  fs::remove(f.file);
  ASSERT_TRUE(f.store.setBinary("nomusic", {0, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  Bytes data;
  EXPECT_EQ(f.store.queryBinary("nomusic", 4, data), QueryResult::ok);
  EXPECT_EQ(readFile(f.file).substr(0, 10), "REGEDIT4\r\n");
}

TEST(PosixSettingsStore, KeyThatCannotBeMadeFailsEveryCallQuietly) {
  TempDir dir;
  writeFile(dir / "plain", "not a directory");
  PosixSettingsStore store(dir / "plain/sub/VornakStarter.reg");
  EXPECT_FALSE(store.createOrOpenKey());
  Bytes data;
  EXPECT_EQ(store.queryBinary("nomusic", 4, data), QueryResult::failed);
  EXPECT_FALSE(store.setBinary("nomusic", {1, 0, 0, 0}));
  EXPECT_FALSE(store.commit());
  EXPECT_EQ(readFile(dir / "plain"), "not a directory");
}

TEST(PosixSettingsStore, ReadOnlyDirectoryLeavesTheOldFileAlone) {
  if (runningAsRoot())
    GTEST_SKIP() << "root writes into a directory of mode 500";
  StoreFixture f;
  writeFile(f.file, "REGEDIT4\r\n");  // no key yet: opening must write
  ::chmod(f.file.parent_path().c_str(), 0500);
  EXPECT_FALSE(f.store.createOrOpenKey());
  EXPECT_FALSE(f.store.setBinary("nomusic", {1, 0, 0, 0}));
  ::chmod(f.file.parent_path().c_str(), 0700);
  EXPECT_EQ(readFile(f.file), "REGEDIT4\r\n");
}

TEST(PosixSettingsStore, StaleTemporaryFilesBesideItChangeNothing) {
  StoreFixture f;
  writeFile(f.file, kNewFile);
  const fs::path stale = f.file.string() + ".Ab12Cd";
  writeFile(stale, "REGEDIT4\r\n\r\n" + kKeyLine + "\r\n\"nomusic\"=hex:01,0");  // cut off
  ASSERT_TRUE(f.store.createOrOpenKey());
  Bytes data;
  EXPECT_EQ(f.store.queryBinary("nomusic", 4, data), QueryResult::missing);
  ASSERT_TRUE(f.store.setBinary("nosound", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  EXPECT_EQ(reg::RegFile::parse(readFile(f.file))
                .find(kKeyLine.substr(1, kKeyLine.size() - 2), "nosound")
                .state,
            reg::Lookup::found);
  EXPECT_EQ(readFile(stale), "REGEDIT4\r\n\r\n" + kKeyLine + "\r\n\"nomusic\"=hex:01,0");
}

// A save killed halfway leaves "VornakStarter.reg.XXXXXX"; the next save
// removes such files once they are a minute old, and touches nothing else.
TEST(PosixSettingsStore, ASaveRemovesOnlyItsOwnLeftoversOlderThanAMinute) {
  StoreFixture f;
  writeFile(f.file, kNewFile);
  const fs::path dir = f.file.parent_path();
  const auto makeOld = [&](const std::string& name) {
    const timespec times[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
  };
  for (const char* name : {"VornakStarter.reg.Ab12Cd", "VornakStarter.reg.zzzzz9"}) {
    writeFile(dir / name, "REGEDIT4\r\n");
    makeOld(name);
  }
  const std::vector<std::string> kept = {
      "VornakStarter.reg",         "VornakStarter.reg.Young1", "VornakStarter.reg.Ab12C",
      "VornakStarter.reg.Ab12Cde", "VornakStarter.reg.Ab-2Cd", "VornakStarter.ini.Ab12Cd",
      "Other.reg.Ab12Cd",          "VornakStarter.reg.Dir123", "VornakStarter.reg.Lnk123"};
  for (const std::string& name : kept) {
    if (name == "VornakStarter.reg.Dir123")
      fs::create_directory(dir / name);
    else if (name == "VornakStarter.reg.Lnk123")
      fs::create_symlink(dir / "Other.reg.Ab12Cd", dir / name);
    else if (name != "VornakStarter.reg")
      writeFile(dir / name, "mine");
    if (name != "VornakStarter.reg" && name != "VornakStarter.reg.Young1")
      makeOld(name);
  }
  ASSERT_TRUE(f.store.createOrOpenKey());
  EXPECT_TRUE(fs::exists(dir / "VornakStarter.reg.Ab12Cd"));  // opening is no save
  ASSERT_TRUE(f.store.setBinary("nosound", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir)) left.push_back(entry.path().filename());
  EXPECT_THAT(left, ::testing::UnorderedElementsAreArray(kept));
}

TEST(PosixSettingsStore, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
  StoreFixture f;
  // Lines of the user's that every save must carry over, big enough that a
  // save takes a while and the kill lands in the middle of some.
  std::string mine = "REGEDIT4\r\n\r\n";
  for (int i = 0; i < 20000; ++i) mine += "; user line " + std::to_string(i) + "\r\n";
  writeFile(f.file, mine);
  ASSERT_TRUE(f.store.createOrOpenKey());
  const Bytes first(260, 'a');
  const Bytes second(260, 'b');
  ASSERT_TRUE(f.store.setBinary("parameters", first));
  ASSERT_TRUE(f.store.commit());

  for (int round = 0; round < 12; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        f.store.setBinary("parameters", i % 2 ? first : second);
        f.store.commit();
      }
    }
    ::usleep(3000 + 1500 * round);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    const std::string text = readFile(f.file);
    ASSERT_EQ(text.rfind(mine, 0), 0u) << "round " << round;
    Bytes data;
    ASSERT_EQ(f.store.queryBinary("parameters", 260, data), QueryResult::ok) << round;
    EXPECT_TRUE(data == first || data == second) << round;
  }
}

TEST(PosixSettingsStore, TenMegabytesOfGarbageAreKept) {
  StoreFixture f;
  std::string garbage(10 << 20, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) {
    garbage[i] = "\"=[]\\hex:0,\r\n@x"[(i * 2654435761u >> 7) % 16];
  }
  writeFile(f.file, garbage);
  ASSERT_TRUE(f.store.createOrOpenKey());
  ASSERT_TRUE(f.store.setBinary("windowed", {1, 0, 0, 0}));
  ASSERT_TRUE(f.store.commit());
  Bytes data;
  ASSERT_EQ(f.store.queryBinary("windowed", 4, data), QueryResult::ok);
  EXPECT_THAT(data, ElementsAre(1, 0, 0, 0));
  const std::string text = readFile(f.file);
  EXPECT_NE(text.find(garbage), std::string::npos);
}

}  // namespace
}  // namespace vs::test
