// 1,000 starts in a row of a program that exits at once, through the dialog's
// start command with the real POSIX process start: prints the zombies left,
// the open descriptors and the resident memory before and after.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "bench_support.h"
#include "dialog/starter_dialog.h"
#include "os/posix/posix_file_system.h"
#include "os/posix/posix_process_starter.h"
#include "support/headless/headless_host.h"

namespace fs = std::filesystem;

namespace {

void write(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

int openDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
  return count - 1;  // the iterator's own
}

long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0)
      return std::atol(line.c_str() + 6);
  }
  return -1;
}

struct Children {
  int running = 0;
  int zombies = 0;
};

Children children() {
  Children result;
  const pid_t self = ::getpid();
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc", error)) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line))
      continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos || close + 4 > line.size() ||
        std::atoi(line.c_str() + close + 4) != self)
      continue;
    ++(line[close + 2] == 'Z' ? result.zombies : result.running);
  }
  return result;
}

}  // namespace

int main() {
  constexpr int kStarts = 1000;
  std::string pattern = (fs::temp_directory_path() / "vsbench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    return 1;
  const fs::path root = pattern;
  vs::bench::layOutEmptyGame(root);
  write(root / "bin" / "vornakgame.ini", "[info]\ntitle=Vornak\nvdf=\n");
  write(root / "bin" / "vornakmod.exe", "#!/bin/sh\nexit 0\n");
  fs::permissions(root / "bin" / "vornakmod.exe", fs::perms::owner_all);

  vs::HeadlessHost host;
  vs::PosixFileSystem files;
  vs::PosixProcessStarter starter;
  vs::bench::NoSettings settings(true);
  vs::bench::BenchLocation location((root / "bin" / "VornakStarter").string());
  int failures = 0;
  int peakZombies = 0;
  long rssWarm = 0;
  const int fdsBefore = openDescriptors();
  const long rssBefore = residentKiB();
  double seconds = 0;
  {
    vs::StarterDialog dialog(vs::Services{host, files, starter, settings, location});
    auto window = host.open(dialog);
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < kStarts; ++i) {
      window->pressEnter();
      const auto& lines = window->control(vs::IDC_ARCHIVELOG).lines;
      failures += lines.empty() || lines.back().rfind("Error: ", 0) == 0;
      if (i % 100 == 99) {
        peakZombies = std::max(peakZombies, children().zombies);
        if (i == 99)
          rssWarm = residentKiB();
      }
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    dialog.attachControls(nullptr);
  }
  Children left = children();
  for (int i = 0; i < 1000 && left.running > 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    left = children();
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  left = children();
  const int fdsAfter = openDescriptors();
  const long rssAfter = residentKiB();
  fs::remove_all(root);

  std::printf("starts:                 %d in %.2f s (%.0f per second), %d failed\n", kStarts,
              seconds, kStarts / seconds, failures);
  std::printf("zombies at the end:     %d (still running: %d; most seen at a check: %d)\n",
              left.zombies, left.running, peakZombies);
  std::printf("open descriptors:       before %d, after %d\n", fdsBefore, fdsAfter);
  std::printf("resident memory (KiB):  before %ld, after 100 starts %ld, after %d starts %ld\n",
              rssBefore, rssWarm, kStarts, rssAfter);
  return left.zombies == 0 && fdsAfter == fdsBefore && failures == 0 ? 0 : 1;
}
