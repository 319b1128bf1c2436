// Files no mod author meant: the reader and the scan must neither crash nor
// hang, and list nothing that is not a valid description.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "core/mods/mod_info.h"
#include "support/game_fixture.h"
#include "support/trickle_source.h"

namespace vs::test {
namespace {

// A literal with its NUL bytes, without the terminating one.
template <std::size_t N>
std::string bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

const std::string kValid = "[info]\ntitle=Good\nvdf=good.mod\n";

std::vector<std::string> listedTitles(HeadlessWindow& w) {
  std::vector<std::string> titles;
  for (const auto& item : w.control(IDC_MODLIST).items)
    titles.push_back(reinterpret_cast<const ModInfo*>(item.data)->title);
  return titles;
}

TEST(BadInput, NulBytesEndThePieceTheyStandIn) {
  TempDir dir;
  const auto path = (dir / "nul.ini").string();
  writeFile(path, bytes("[info]\ntitle=A\0B\nvdf=x\0\nvdf\0=y\nversion=\0\n"));
  const ModInfo m(path);
  EXPECT_EQ(m.title, "A");
  EXPECT_EQ(m.vdf, "x");
  EXPECT_EQ(m.version, "");
  EXPECT_TRUE(m.valid);

  writeFile(path, bytes("junk\0[info]\ntitle=A\nvdf=x\n"));
  EXPECT_FALSE(ModInfo(path).valid);
}

// A Ctrl-Z byte ends a text file, wherever the reads happen to split it.
TEST(BadInput, CtrlZEndsTheFile) {
  TempDir dir;
  const auto path = (dir / "ctrlz.ini").string();
  const std::string text = "[info]\ntitle=Before\x1a\n\x1a\nvdf=after.mod\n";
  writeFile(path, text);
  const ModInfo fromFile(path);
  TrickleSource trickle(text, 5);
  const ModInfo fromShortReads("ctrlz.ini", &trickle);
  for (const ModInfo* m : {&fromFile, &fromShortReads}) {
    EXPECT_EQ(m->title, "Before");
    EXPECT_EQ(m->vdf, "");
    EXPECT_FALSE(m->valid);
  }
}

TEST(BadInput, BinaryFileIsNotADescription) {
  TempDir dir;
  std::string noise;
  std::uint32_t state = 12345;
  for (int i = 0; i < 64 * 1024; ++i) {
    state = state * 1103515245u + 12345u;
    noise.push_back(static_cast<char>(state >> 24));
  }
  writeFile(dir / "binary.ini", noise);
  const ModInfo m((dir / "binary.ini").string());
  EXPECT_FALSE(m.valid);
}

TEST(BadInput, LineOfOneMegabyteIsReadInPieces) {
  TempDir dir;
  const auto path = (dir / "long.ini").string();
  writeFile(path, "[info]\ntitle=" + std::string(1 << 20, 'x') + "\nvdf=v\n");
  const ModInfo m(path);
  EXPECT_EQ(m.title, std::string(1023 - 6, 'x'));
  EXPECT_EQ(m.vdf, "v");
  EXPECT_TRUE(m.valid);
}

TEST(BadInput, FileOf100MegabytesIsReadToTheEnd) {
  TempDir dir;
  const auto path = dir / "huge.ini";
  {
    std::ofstream out(path, std::ios::binary);
    out << "[info]\ntitle=Start\n";
    const std::string block(1 << 20, 'z');
    for (int i = 0; i < 100; ++i) out << block << "\n";
    out << "title=End\nvdf=e\n";
  }
  const ModInfo m(path.string());
  EXPECT_EQ(m.title, "End");
  EXPECT_TRUE(m.valid);
}

TEST(BadInput, DirectoriesAndBrokenLinksGiveTheDefaultRecord) {
  TempDir dir;
  std::filesystem::create_directories(dir / "folder.ini" / "inner");
  std::filesystem::create_symlink(dir / "absent", dir / "dangling.ini");
  std::filesystem::create_symlink(dir / "loop.ini", dir / "loop.ini");
  for (const char* name : {"folder.ini", "dangling.ini", "loop.ini"}) {
    SCOPED_TRACE(name);
    const ModInfo m((dir / name).string());
    EXPECT_FALSE(m.valid);
    EXPECT_EQ(m.title, "?");
    EXPECT_EQ(m.description, "no description available");
  }
}

// Opening a pipe blocks and a device reads without end: the search leaves
// them out, so the scan never opens one.
TEST(BadInput, SearchLeavesOutPipesAndDevices) {
  TempDir dir;
  writeFile(dir / "plain.ini", kValid);
  std::filesystem::create_directories(dir / "folder.ini");
  ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.ini");
  std::filesystem::create_symlink(dir / "pipe.ini", dir / "topipe.ini");
  std::filesystem::create_symlink(dir / "plain.ini", dir / "toplain.ini");
  std::filesystem::create_symlink(dir / "absent", dir / "dangling.ini");
  PosixFileSystem files;
  std::vector<std::string> found = files.findByExtension(dir.path().string(), ".ini");
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found,
            (std::vector<std::string>{"dangling.ini", "folder.ini", "plain.ini", "toplain.ini"}));
}

TEST(BadInput, LinkToAValidFileIsRead) {
  TempDir dir;
  writeFile(dir / "real.ini", kValid);
  std::filesystem::create_symlink(dir / "real.ini", dir / "link.ini");
  EXPECT_TRUE(ModInfo((dir / "link.ini").string()).valid);
}

TEST(BadInput, ScanListsOnlyTheValidFileAmongBadOnes) {
  GameFixture game;
  writeFile(game.bin() / "good.ini", kValid);
  std::filesystem::create_directories(game.bin() / "x.ini");
  writeFile(game.bin() / "x.ini" / "inside.ini", kValid);  // not in the launcher's directory
  writeFile(game.bin() / "nul.ini", bytes("[in\0fo]\ntitle=N\nvdf=n\n"));
  writeFile(game.bin() / "long.ini", "[info]\n" + std::string(1 << 20, ';') + "\n");
  writeFile(game.bin() / "locked.ini", "[info]\ntitle=Locked\nvdf=l\n");
  std::filesystem::permissions(game.bin() / "locked.ini", std::filesystem::perms::none);
  ASSERT_EQ(::mkfifo((game.bin() / "pipe.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", game.bin() / "zero.ini");

  HeadlessWindow& w = game.open();
  std::vector<std::string> titles = listedTitles(w);
  std::sort(titles.begin(), titles.end());
  // root reads a file whatever its mode says; anyone else cannot.
  if (::geteuid() == 0)
    EXPECT_EQ(titles, (std::vector<std::string>{"Good", "Locked"}));
  else
    EXPECT_EQ(titles, (std::vector<std::string>{"Good"}));
  std::filesystem::permissions(game.bin() / "locked.ini", std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace vs::test
