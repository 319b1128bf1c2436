#include "startup_game_dir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace startup {
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out)
    throw std::runtime_error("cannot write " + path.string());
}

std::string modIni(int number) {
  const std::string n = std::to_string(number);
  return "[info]\r\ntitle=Benchmark mod " + n + "\r\nversion=1." + n +
         "\r\nauthors=The benchmark\r\nwebpage=none\r\n"
         "description=A mod of the start-up benchmark, long enough to look like a real one: "
         "a few sentences about its levels, its weapons and the people who made it.\r\n"
         "vdf=bench" +
         n + "a.mod bench" + n + "b.mod\r\nicon=" + std::to_string(number % 29 + 1) + "\r\n";
}

}  // namespace

BenchGameDir makeBenchGameDir(const fs::path& launcher, int modCount, const fs::path& standIn,
                              int archives) {
  std::string pattern = (fs::temp_directory_path() / "vs-startup-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot make a temporary directory");
  BenchGameDir dir{pattern, pattern + "/bin", {}, {}, {}};
  const fs::path& bin = dir.bin;
  fs::create_directories(bin);
  fs::create_directories(dir.root / "data" / "modvdf");
  dir.config = dir.root / "config";
  dir.runtime = dir.root / "runtime";
  fs::create_directories(dir.config);
  fs::create_directories(dir.runtime);
  fs::permissions(dir.runtime, fs::perms::owner_all);

  dir.launcher = bin / launcher.filename();
  fs::copy_file(launcher, dir.launcher);
  writeFile(bin / "vornakgame.ini", "[info]\r\ntitle=Vornak\r\nversion=1.13\r\nvdf=\r\nicon=1\r\n");
  for (int i = 0; i < modCount; ++i)
    writeFile(bin / ("mod" + std::to_string(i) + ".ini"), modIni(i));
  if (!standIn.empty())
    fs::copy_file(standIn, bin / "vornakmod.exe");
  // Two archives a mod, as its INI file names them.
  for (int i = 0; i < archives; ++i)
    writeFile(dir.root / "data" / ("bench" + std::to_string(i / 2) + (i % 2 ? "b" : "a") + ".mod"),
              "archive");
  return dir;
}

void unparkArchives(const BenchGameDir& dir) {
  for (const auto& entry : fs::directory_iterator(dir.root / "data" / "modvdf"))
    fs::rename(entry.path(), dir.root / "data" / entry.path().filename());
}

void removeBenchGameDir(const BenchGameDir& dir) {
  std::error_code ignored;
  fs::remove_all(dir.root, ignored);
}

}  // namespace startup
