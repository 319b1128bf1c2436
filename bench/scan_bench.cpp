// Scanning a player's 20 mod INI files of about 1 KB, and 10,000, through the
// dialog's start-up on the headless host, side by side with a bare
// open/read/close loop over the same files, and with the same files named in
// mixed case ("Mod1.INI"). Prints the medians and their ratios.
#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"

using vs::bench::median;
#include "dialog/starter_dialog.h"
#include "os/posix/posix_file_system.h"
#include "support/headless/headless_host.h"

namespace {

using vs::bench::Scale;

std::string modText(int n) {
  std::string text = "; a mod of the benchmark\n[info]\n";
  text += "title=Benchmark mod " + std::to_string(n) + "\n";
  text += "version=1." + std::to_string(n % 100) + "\n";
  text += "authors=Somebody, Somebody Else\n";
  text += "webpage=none\n";
  text += "icon=" + std::to_string(n % 40) + "\n";
  text += "vdf=bench" + std::to_string(n) + ".mod ; bench" + std::to_string(n) + "b.mod\n";
  text += "description=";
  while (text.size() < 1000) text += "A long description of the mod's levels and creatures. ";
  text += "\n";
  return text;
}

void layOut(const std::filesystem::path& dir, bool mixedCase, int files) {
  std::filesystem::create_directories(dir);
  for (int n = 0; n < files; ++n) {
    const std::string name =
        mixedCase ? "Mod" + std::to_string(n) + ".INI" : "mod" + std::to_string(n) + ".ini";
    std::ofstream(dir / name, std::ios::binary) << modText(n);
  }
}

struct Time {
  double wall, cpu;  // milliseconds
};

Time since(const vs::bench::Stopwatch& watch) {
  return {watch.wallMilliseconds(), watch.cpuMilliseconds()};
}

// Opens the dialog, which lists every file; returns the time and the count.
Time timeScan(int& listed) {
  vs::HeadlessHost host;
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings(false);
  vs::bench::BenchLocation location("");  // the benchmark directory is the working one
  auto dialog =
      std::make_unique<vs::StarterDialog>(vs::Services{host, files, processes, settings, location});
  const vs::bench::Stopwatch watch;
  auto window = host.open(*dialog);
  const Time elapsed = since(watch);
  listed = window->itemCount(vs::IDC_MODLIST);
  dialog->attachControls(nullptr);
  return elapsed;
}

std::vector<std::string> listNames() {
  std::vector<std::string> names;
  DIR* dir = ::opendir(".");
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] != '.')
      names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  return names;
}

// Each file opened, read to its end and closed; `withListing` adds the
// directory listing the scan cannot do without.
Time timeBare(bool withListing, const std::vector<std::string>& listed, std::size_t& bytes) {
  char buffer[4096];
  bytes = 0;
  const vs::bench::Stopwatch watch;
  const std::vector<std::string> names = withListing ? listNames() : listed;
  for (const auto& name : names) {
    const int fd = ::open(name.c_str(), O_RDONLY);
    if (fd < 0)
      continue;
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) bytes += static_cast<std::size_t>(got);
    ::close(fd);
  }
  return since(watch);
}

// Wall and CPU times of one kind over the rounds, and their ratios to
// another's of the same rounds.
struct Series {
  std::vector<double> wall, cpu;
  void add(const Time& time) {
    wall.push_back(time.wall);
    cpu.push_back(time.cpu);
  }
};

void printRatio(const char* label, const Series& a, const Series& b) {
  std::vector<double> cpu, wall;
  for (std::size_t i = 0; i < a.cpu.size(); ++i) {
    cpu.push_back(a.cpu[i] / b.cpu[i]);
    wall.push_back(a.wall[i] / b.wall[i]);
  }
  const auto [cpuLow, cpuHigh] = std::minmax_element(cpu.begin(), cpu.end());
  const auto [wallLow, wallHigh] = std::minmax_element(wall.begin(), wall.end());
  std::printf("  %-38s CPU %.3f (%.3f to %.3f), wall %.3f (%.3f to %.3f)\n", label, median(cpu),
              *cpuLow, *cpuHigh, median(wall), *wallLow, *wallHigh);
}

bool benchScan(const Scale& scale) {
  std::string pattern = (std::filesystem::temp_directory_path() / "vsbench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return false;
  }
  const std::filesystem::path root = pattern;
  const std::filesystem::path dir = root / "lower", mixedDir = root / "mixed";
  layOut(dir, false, scale.count);
  layOut(mixedDir, true, scale.count);
  const auto previous = std::filesystem::current_path();

  int listed = 0, mixedListed = 0;
  std::size_t bytes = 0;
  std::filesystem::current_path(mixedDir);
  timeScan(mixedListed);  // warm the page cache and the allocator
  std::filesystem::current_path(dir);
  timeScan(listed);
  const std::vector<std::string> names = listNames();
  timeBare(false, names, bytes);

  Series scan, bare, bareListing, mixed;
  for (int round = 0; round < scale.rounds; ++round) {
    std::filesystem::current_path(dir);
    scan.add(timeScan(listed));
    bare.add(timeBare(false, names, bytes));
    bareListing.add(timeBare(true, names, bytes));
    std::filesystem::current_path(mixedDir);
    mixed.add(timeScan(mixedListed));
  }

  std::filesystem::current_path(previous);
  std::filesystem::remove_all(root);

  std::printf("scan benchmark: %d files, %zu bytes, medians of %d rounds\n", scale.count, bytes,
              scale.rounds);
  const auto print = [](const char* label, const Series& series) {
    std::printf("  %-38s wall %8.3f ms   CPU %8.3f ms\n", label, median(series.wall),
                median(series.cpu));
  };
  print("scanMods (dialog start-up)", scan);
  print("bare open/read/close", bare);
  print("bare listing + open/read/close", bareListing);
  print("scanMods, names in mixed case", mixed);
  std::printf("ratios, median of the rounds' (lowest to highest):\n");
  printRatio("scan / bare listing + loop", scan, bareListing);
  printRatio("scan / bare loop", scan, bare);
  printRatio("mixed case / lower case", mixed, scan);
  std::printf("  listed: %d and %d of %d; target for the first ratio at most 1.10\n", listed,
              mixedListed, scale.count);
  return listed == scale.count && mixedListed == scale.count;
}

}  // namespace

int main() {
  bool complete = true;
  for (const Scale& scale : vs::bench::kScanScales) complete = benchScan(scale) && complete;
  return complete ? 0 : 1;
}
