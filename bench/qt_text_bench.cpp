// Mod texts in the player's code page on the Qt front end, offscreen, under a
// Polish locale (1250): the dialog's start-up over 10,000 mod files, alone
// and with one more whose description is 1 MiB of random bytes; decoding that
// description; and 15,000 log lines of ASCII and of windows-1250 bytes, as a
// long switch writes them. Prints medians of 5 rounds.
#include <QApplication>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "dialog/resources.h"
#include "dialog/starter_dialog.h"
#include "os/posix/code_page_text.h"
#include "os/posix/posix_file_system.h"
#include "ui/qt/host.h"
#include "ui/qt/widgets.h"

namespace {

namespace fs = std::filesystem;
using vs::bench::Clock;
using vs::bench::median;
using vs::bench::millisecondsSince;

constexpr int kMods = 10000;
constexpr int kRounds = 5;
constexpr int kLogLines = 15000;

std::string randomBytes(std::size_t size) {
  std::mt19937 random(22);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

// Opens the dialog in `bin`, which lists every file; returns the time.
double openDialog(vs::QtHost& host, const fs::path& bin, int& listed) {
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings(false);
  vs::bench::BenchLocation location((bin / "VornakStarter").string());
  vs::StarterDialog dialog(vs::Services{host, files, processes, settings, location});
  const auto start = Clock::now();
  auto window = host.open(dialog);
  QApplication::processEvents();
  const double elapsed = millisecondsSince(start);
  listed = window->itemCount(vs::IDC_MODLIST);
  return elapsed;
}

template <class Work>
double medianOfRounds(Work work) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) times.push_back(work());
  return median(times);
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("LANG", "pl_PL.UTF-8", 1);
  unsetenv("LC_ALL");
  unsetenv("LC_CTYPE");
  QApplication application(argc, argv);
  vs::useCodePageConverter(&vs::codePageToUtf8);
  std::setlocale(LC_NUMERIC, "C");  // Qt took the Polish locale: keep the figures' points
  const fs::path start = fs::current_path();
  const fs::path root = fs::temp_directory_path() / "vs_qt_text_bench";
  const fs::path bin = vs::bench::layOutEmptyGame(root);
  for (int n = 0; n < kMods; ++n)
    std::ofstream(bin / ("mod" + std::to_string(n) + ".ini"))
        << "[info]\nvdf=\ntitle=Pog\xb3os " << n
        << "\ndescription=\xaf\xf3\xb3ta \xb3\xf3"
           "d\x9f\n";
  const std::string noise = randomBytes(1 << 20);

  vs::QtHost host{vs::starterResources()};
  int listed = 0, listedWithNoise = 0;
  openDialog(host, bin, listed);  // warm the caches
  const double plain = medianOfRounds([&] { return openDialog(host, bin, listed); });
  std::ofstream(bin / "noise.ini", std::ios::binary)
      << "[info]\nvdf=\ntitle=Noise\ndescription=" << noise;
  const double withNoise = medianOfRounds([&] { return openDialog(host, bin, listedWithNoise); });
  fs::current_path(start);
  fs::remove_all(root);

  qsizetype shown = 0, noiseCharacters = 0;
  const double decodeNoise = medianOfRounds([&] {
    const auto t = Clock::now();
    noiseCharacters = vs::decodeBytes(noise).size();
    return millisecondsSince(t);
  });
  const auto decodeLines = [&](const std::string& line) {
    return medianOfRounds([&] {
      const auto t = Clock::now();
      for (int i = 0; i < kLogLines; ++i) shown += vs::decodeBytes(line).size();
      return millisecondsSince(t);
    });
  };
  const double ascii =
      decodeLines("../data/archive000042.mod --> ../data/modvdf/archive000042.mod");
  const double cp1250 = decodeLines(
      "../data/\xb3\xf3"
      "d\x9f.mod --> ../data/modvdf/\xb3\xf3"
      "d\x9f.mod");

  std::printf("mod texts in the locale's code page (pl_PL.UTF-8, 1250), medians of %d rounds\n",
              kRounds);
  std::printf("  start-up, %d mods listed                    %8.1f ms\n", listed, plain);
  std::printf("  start-up, %d listed with 1 MiB random mod   %8.1f ms   ratio %.2f\n",
              listedWithNoise, withNoise, withNoise / plain);
  std::printf("  decoding the 1 MiB description (%lld characters)  %8.2f ms\n",
              static_cast<long long>(noiseCharacters), decodeNoise);
  std::printf("  %d log lines, ASCII                          %8.2f ms\n", kLogLines, ascii);
  std::printf("  %d log lines, windows-1250                   %8.2f ms\n", kLogLines, cp1250);
  return listed == kMods && listedWithNoise == kMods + 1 && shown > 0 && noiseCharacters > 0 ? 0
                                                                                             : 1;
}
