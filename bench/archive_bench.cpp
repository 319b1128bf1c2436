// Archive switching through the dialog against bare renames, the same switch
// in a game installed the Windows way (every name in another case on disk),
// at a player's 50 archives and at 10,000, and list splitting at two sizes.
// Prints figures; judges nothing.
//
// The bare loop is the least any switch must do: the same renameat2 calls
// relative to the two folders, opened once. The same loop with whole paths
// is printed beside it.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/archives/archive_list.h"
#include "dialog/starter_dialog.h"
#include "os/posix/posix_file_system.h"
#include "support/headless/headless_host.h"

namespace {

namespace fs = std::filesystem;
using vs::bench::archiveName;
using vs::bench::Clock;
using vs::bench::median;
using vs::bench::millisecondsSince;
using vs::bench::Scale;

// The same archive as a Windows installation may spell it on disk.
std::string mixedCaseName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "Archive%06d.MOD", i);
  return name;
}

void rename(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0)
    throw std::runtime_error("rename failed: " + from);
}

void renameAt(int fromFolder, const std::string& from, int toFolder, const std::string& to) {
  if (::renameat2(fromFolder, from.c_str(), toFolder, to.c_str(), RENAME_NOREPLACE) != 0)
    throw std::runtime_error("rename failed: " + from);
}

int openFolder(const char* path) {
  const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    throw std::runtime_error(std::string("cannot open ") + path);
  return fd;
}

bool exists(const std::string& path) {
  return ::access(path.c_str(), F_OK) == 0;
}

// A game folder: its program folder and the two archive folders as spelled
// on disk, and the archives' names on disk.
struct Tree {
  fs::path program;
  std::string data;     // relative to `program`: "../data/" or "../Data/"
  std::string parking;  // "../data/modvdf/" or "../Data/ModVDF/"
  std::string (*diskName)(int);
  int archives;
};

// Every archive back into the data directory under its name on disk, as
// before a round; activation gives an archive the name the list writes.
void reset(const Tree& tree) {
  fs::current_path(tree.program);
  for (int i = 0; i < tree.archives; ++i) {
    const std::string name = tree.diskName(i);
    if (exists(tree.data + name))
      continue;
    if (exists(tree.data + archiveName(i)))
      rename(tree.data + archiveName(i), tree.data + name);
    else
      rename(tree.parking + name, tree.data + name);
  }
}

Tree layOut(const fs::path& root, const std::string& program, const std::string& data,
            const std::string& parking, std::string (*diskName)(int), int archives) {
  fs::create_directories(root / program);
  fs::create_directories(root / data / parking);
  for (int i = 0; i < archives; ++i)
    std::fclose(std::fopen((root / data / diskName(i)).string().c_str(), "w"));
  return {root / program, "../" + data + "/", "../" + data + "/" + parking + "/", diskName,
          archives};
}

struct Time {
  double wall, cpu;
};

// The times of one way of switching over the rounds, and their ratios to
// the bare loop's of the same round.
struct Series {
  std::vector<double> wall, cpu, wallRatio, cpuRatio;
  void add(const Time& time) {
    wall.push_back(time.wall);
    cpu.push_back(time.cpu);
  }
  void against(const Series& bare) {
    wallRatio.push_back(wall.back() / bare.wall.back());
    cpuRatio.push_back(cpu.back() / bare.cpu.back());
  }
};

void printSeries(const char* label, const Series& series) {
  std::printf("  %-36s wall %8.2f ms   CPU %8.2f ms\n", label, median(series.wall),
              median(series.cpu));
}

void printRatios(const char* label, const Series& series, double target) {
  const auto [wallLow, wallHigh] =
      std::minmax_element(series.wallRatio.begin(), series.wallRatio.end());
  const auto [cpuLow, cpuHigh] =
      std::minmax_element(series.cpuRatio.begin(), series.cpuRatio.end());
  std::printf("  %-36s CPU %.3f (%.3f to %.3f), wall %.3f (%.3f to %.3f); target at most %.2f\n",
              label, median(series.cpuRatio), *cpuLow, *cpuHigh, median(series.wallRatio), *wallLow,
              *wallHigh, target);
}

// One game folder with the launcher's dialog open in it.
struct Game {
  explicit Game(const Tree& t) : tree(t), location((tree.program / "VornakStarter").string()) {
    window = host.open(dialog);
  }
  ~Game() { dialog.attachControls(nullptr); }

  // The dialog's park-all-then-activate, timed; the log checked.
  Time timeSwitch(const std::string& vdf) {
    reset(tree);
    window->control(vs::IDC_ARCHIVELOG).lines.clear();
    const vs::bench::Stopwatch watch;
    dialog.deactivateModArchives();
    dialog.activateModArchives(vdf);
    const Time elapsed{watch.wallMilliseconds(), watch.cpuMilliseconds()};
    const auto& lines = window->control(vs::IDC_ARCHIVELOG).lines;
    const auto expected = static_cast<std::size_t>(tree.archives + (tree.archives + 1) / 2);
    if (lines.size() != expected ||
        std::any_of(lines.begin(), lines.end(),
                    [](const std::string& line) { return line.ends_with(")"); }))
      throw std::runtime_error("a move of the switch failed or is missing");
    return elapsed;
  }

  Tree tree;
  vs::HeadlessHost host;
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings{false};
  vs::bench::BenchLocation location;
  vs::StarterDialog dialog{vs::Services{host, files, processes, settings, location}};
  std::unique_ptr<vs::HeadlessWindow> window;
};

void benchSwitch(const Scale& scale) {
  const int archives = scale.count;
  char pattern[] = "/tmp/vsbench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr)
    throw std::runtime_error("mkdtemp failed");
  const fs::path root = pattern;
  const Tree exact = layOut(root / "exact", "bin", "data", "modvdf", archiveName, archives);
  const Tree windows =
      layOut(root / "windows", "System", "Data", "ModVDF", mixedCaseName, archives);

  std::string vdf;
  std::vector<std::string> names, dataPaths, parkingPaths;
  for (int i = 0; i < archives; ++i) {
    names.push_back(archiveName(i));
    dataPaths.push_back("../data/" + archiveName(i));
    parkingPaths.push_back("../data/modvdf/" + archiveName(i));
    if (i % 2 == 0)
      vdf += archiveName(i) + " ";
  }

  Series viaDialog, mixedCase, bare, barePaths;
  {
    Game exactGame(exact);
    Game windowsGame(windows);
    for (int round = 0; round < scale.rounds; ++round) {
      // Turn about, so neither always runs on a cache the other warmed.
      if (round % 2 == 0) {
        viaDialog.add(exactGame.timeSwitch(vdf));
        mixedCase.add(windowsGame.timeSwitch(vdf));
      } else {
        mixedCase.add(windowsGame.timeSwitch(vdf));
        viaDialog.add(exactGame.timeSwitch(vdf));
      }

      reset(exact);
      const vs::bench::Stopwatch watch;
      const int data = openFolder("../data"), parking = openFolder("../data/modvdf");
      for (int i = 0; i < archives; ++i) renameAt(data, names[i], parking, names[i]);
      for (int i = 0; i < archives; i += 2) renameAt(parking, names[i], data, names[i]);
      ::close(data);
      ::close(parking);
      bare.add({watch.wallMilliseconds(), watch.cpuMilliseconds()});
      viaDialog.against(bare);
      mixedCase.against(bare);

      reset(exact);
      const vs::bench::Stopwatch pathWatch;
      for (int i = 0; i < archives; ++i) rename(dataPaths[i], parkingPaths[i]);
      for (int i = 0; i < archives; i += 2) rename(parkingPaths[i], dataPaths[i]);
      barePaths.add({pathWatch.wallMilliseconds(), pathWatch.cpuMilliseconds()});
    }
  }
  fs::current_path("/");
  fs::remove_all(root);

  std::printf("switch %d archives (park all, activate %d), medians of %d rounds:\n", archives,
              (archives + 1) / 2, scale.rounds);
  printSeries("dialog on headless host", viaDialog);
  printSeries("the same, names in another case", mixedCase);
  printSeries("bare renameat2 loop, open folders", bare);
  printSeries("the same loop with whole paths", barePaths);
  std::printf("ratios to the bare loop, median of the rounds' (lowest to highest):\n");
  printRatios("exact case", viaDialog, 1.10);
  printRatios("names and folders in another case", mixedCase, 1.15);
}

void benchSplit() {
  // The fastest run is the one least disturbed by other work on the machine.
  constexpr int kSplitRuns = 21;
  std::printf("splitArchiveList, fastest of %d runs:\n", kSplitRuns);
  double first = 0;
  for (int count : {10000, 100000}) {
    std::string vdf = " ;";
    for (int i = 0; i < count; ++i) vdf += archiveName(i) + (i % 7 == 0 ? "  " : " ");
    vdf += ";\r\n";
    std::vector<double> times;
    std::size_t names = 0;
    for (int run = 0; run < kSplitRuns; ++run) {
      const auto start = Clock::now();
      names = vs::splitArchiveList(vdf).size();
      times.push_back(millisecondsSince(start));
    }
    if (names != static_cast<std::size_t>(count))
      throw std::runtime_error("split gave an unexpected number of names");
    const double t = *std::min_element(times.begin(), times.end());
    std::printf("  %6d names: %8.3f ms (%.1f ns per name)\n", count, t, t * 1e6 / count);
    if (first == 0)
      first = t;
    else
      std::printf("  100,000 / 10,000 time ratio: %.2f (linear is 10)\n", t / first);
  }
}

}  // namespace

int main() {
  try {
    for (const Scale& scale : vs::bench::kSwitchScales) benchSwitch(scale);
    benchSplit();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "archive_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
