// Scanning 10,000 mod INI files of about 1 KB through the dialog's start-up on
// the headless host, side by side with a bare open/read/close loop over the
// same files. Prints the medians and their ratio.
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
#include "dialog/starter_dialog.h"
#include "os/posix/posix_file_system.h"
#include "support/headless/headless_host.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRounds = 7;

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

void layOut(const std::filesystem::path& dir) {
  for (int n = 0; n < kFiles; ++n) {
    std::ofstream(dir / ("mod" + std::to_string(n) + ".ini"), std::ios::binary) << modText(n);
  }
}

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Opens the dialog, which lists every file; returns the time and the count.
double timeScan(int& listed) {
  vs::HeadlessHost host;
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings(false);
  vs::bench::BenchLocation location("");  // the benchmark directory is the working one
  auto dialog =
      std::make_unique<vs::StarterDialog>(vs::Services{host, files, processes, settings, location});
  const auto start = std::chrono::steady_clock::now();
  auto window = host.open(*dialog);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  listed = window->itemCount(vs::IDC_MODLIST);
  dialog->attachControls(nullptr);
  return seconds(elapsed);
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
double timeBare(bool withListing, std::size_t& bytes) {
  static const std::vector<std::string> listed = listNames();
  char buffer[4096];
  bytes = 0;
  const auto start = std::chrono::steady_clock::now();
  const std::vector<std::string> names = withListing ? listNames() : listed;
  for (const auto& name : names) {
    const int fd = ::open(name.c_str(), O_RDONLY);
    if (fd < 0)
      continue;
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) bytes += static_cast<std::size_t>(got);
    ::close(fd);
  }
  return seconds(std::chrono::steady_clock::now() - start);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vsbench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path dir = pattern;
  layOut(dir);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);

  int listed = 0;
  std::size_t bytes = 0;
  timeScan(listed);  // warm the page cache and the allocator
  timeBare(false, bytes);

  std::vector<double> scan, bare, bareListing;
  for (int round = 0; round < kRounds; ++round) {
    scan.push_back(timeScan(listed));
    bare.push_back(timeBare(false, bytes));
    bareListing.push_back(timeBare(true, bytes));
  }

  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);

  const double s = median(scan), b = median(bare), bl = median(bareListing);
  std::printf("scan benchmark: %d files, %zu bytes, median of %d rounds\n", kFiles, bytes, kRounds);
  std::printf("  scanMods (dialog start-up, %d listed)  %8.2f ms\n", listed, s * 1e3);
  std::printf("  bare open/read/close                  %8.2f ms   ratio %.2f\n", b * 1e3, s / b);
  std::printf("  bare listing + open/read/close        %8.2f ms   ratio %.2f\n", bl * 1e3, s / bl);
  return listed == kFiles ? 0 : 1;
}
