// Archive switching through the dialog against bare renames, and list
// splitting at two sizes. Prints figures; judges nothing.
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
using vs::bench::millisecondsSince;

constexpr int kArchives = 10000;
constexpr int kActivated = 5000;
constexpr int kRounds = 5;

void rename(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0)
    throw std::runtime_error("rename failed: " + from);
}

// Everything back into the data directory, as before a round.
void reset() {
  for (int i = 0; i < kArchives; ++i) {
    const std::string name = archiveName(i);
    if (!fs::exists("../data/" + name))
      rename("../data/modvdf/" + name, "../data/" + name);
  }
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void benchSwitch() {
  char pattern[] = "/tmp/vsbench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr)
    throw std::runtime_error("mkdtemp failed");
  const fs::path root = pattern;
  fs::create_directories(root / "bin");
  fs::create_directories(root / "data" / "modvdf");
  for (int i = 0; i < kArchives; ++i)
    std::fclose(std::fopen((root / "data" / archiveName(i)).string().c_str(), "w"));

  std::string vdf;
  std::vector<std::string> dataPaths, parkingPaths;
  for (int i = 0; i < kArchives; ++i) {
    dataPaths.push_back("../data/" + archiveName(i));
    parkingPaths.push_back("../data/modvdf/" + archiveName(i));
    if (i % 2 == 0)
      vdf += archiveName(i) + " ";
  }

  vs::HeadlessHost host;
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings(false);
  vs::bench::BenchLocation location((root / "bin" / "VornakStarter").string());
  vs::StarterDialog dialog(vs::Services{host, files, processes, settings, location});
  auto window = host.open(dialog);

  std::vector<double> viaDialog, bare;
  for (int round = 0; round < kRounds; ++round) {
    reset();
    window->control(vs::IDC_ARCHIVELOG).lines.clear();
    auto start = Clock::now();
    dialog.deactivateModArchives();
    dialog.activateModArchives(vdf);
    viaDialog.push_back(millisecondsSince(start));
    if (window->control(vs::IDC_ARCHIVELOG).lines.size() != kArchives + kActivated)
      throw std::runtime_error("the dialog logged an unexpected number of lines");

    reset();
    start = Clock::now();
    for (int i = 0; i < kArchives; ++i) rename(dataPaths[i], parkingPaths[i]);
    for (int i = 0; i < kArchives; i += 2) rename(parkingPaths[i], dataPaths[i]);
    bare.push_back(millisecondsSince(start));
  }
  dialog.attachControls(nullptr);
  window.reset();
  fs::current_path("/");
  fs::remove_all(root);

  const double d = median(viaDialog), b = median(bare);
  std::printf("switch %d archives (park all, activate %d), median of %d rounds:\n", kArchives,
              kActivated, kRounds);
  std::printf("  dialog on headless host: %8.2f ms\n", d);
  std::printf("  bare renameat2 loop:     %8.2f ms\n", b);
  std::printf("  ratio:                   %8.3f (target at most 1.25)\n", d / b);
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
    benchSwitch();
    benchSplit();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "archive_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
