// The archive switch before a start, through the real dialog on the Qt front
// end offscreen: park 10,000 archives, bring 5,000 back, with every log line
// shown as it comes. Prints the time and the log's paints, and the same switch
// on the headless host for comparison.
#include <QApplication>
#include <QListWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench_support.h"
#include "dialog/resources.h"
#include "dialog/starter_dialog.h"
#include "os/posix/posix_file_system.h"
#include "support/headless/headless_host.h"
#include "support/paint_counter.h"
#include "ui/qt/host.h"

namespace {

namespace fs = std::filesystem;
using vs::bench::archiveName;

constexpr int kArchives = 10000;
constexpr int kActivated = 5000;

// A game directory whose data directory holds every archive.
fs::path makeGame(const fs::path& root) {
  fs::remove_all(root);
  fs::create_directories(root / "bin");
  fs::create_directories(root / "data" / "modvdf");
  for (int i = 0; i < kArchives; ++i) std::ofstream(root / "data" / archiveName(i)) << i;
  return root / "bin";
}

std::string activatedList() {
  std::string vdf;
  for (int i = 0; i < kActivated; ++i) vdf += archiveName(i * 2) + " ";
  return vdf;
}

struct Figures {
  double seconds = 0;
  int paints = 0;
  int lines = 0;
};

template <class Open, class Paints, class Lines>
Figures switchArchives(vs::DialogHost& host, const fs::path& root, Open open, Paints paints,
                       Lines lines) {
  const fs::path bin = makeGame(root);
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings(true);
  vs::bench::BenchLocation location((bin / "VornakStarter").string());
  vs::StarterDialog dialog(vs::Services{host, files, processes, settings, location});
  auto window = open(dialog);
  QApplication::processEvents();  // on screen before the first line
  const std::string vdf = activatedList();
  const int paintsBefore = paints(*window);

  const auto started = std::chrono::steady_clock::now();
  dialog.deactivateModArchives();
  dialog.activateModArchives(vdf);
  QApplication::processEvents();  // the last gathered line reaches the screen
  const auto elapsed = std::chrono::steady_clock::now() - started;

  Figures figures{std::chrono::duration<double>(elapsed).count(), paints(*window) - paintsBefore,
                  lines(*window)};
  window.reset();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  const fs::path start = fs::current_path();
  const fs::path root = fs::temp_directory_path() / "vs_qt_switch_bench";

  vs::QtHost qtHost{vs::starterResources()};
  std::unique_ptr<vs::PaintCounter> logPaints;  // watches the log from the first count on
  const Figures qt = switchArchives(
      qtHost, root, [&](vs::StarterDialog& d) { return qtHost.open(d); },
      [&](vs::QtWindow& w) {
        if (!logPaints)
          logPaints = std::make_unique<vs::PaintCounter>(
              w.controlAs<QListWidget>(vs::IDC_ARCHIVELOG)->viewport());
        return logPaints->paints();
      },
      [](vs::QtWindow& w) { return w.controlAs<QListWidget>(vs::IDC_ARCHIVELOG)->count(); });
  fs::current_path(start);

  vs::HeadlessHost headlessHost;
  const Figures headless = switchArchives(
      headlessHost, root, [&](vs::StarterDialog& d) { return headlessHost.open(d); },
      [](vs::HeadlessWindow& w) { return w.control(vs::IDC_ARCHIVELOG).repaints; },
      [](vs::HeadlessWindow& w) {
        return static_cast<int>(w.control(vs::IDC_ARCHIVELOG).lines.size());
      });
  fs::current_path(start);
  fs::remove_all(root);

  std::printf("archive switch: park %d, activate %d\n", kArchives, kActivated);
  std::printf("  Qt offscreen: %.3f s, %d log lines, %d log paints for %d repaint requests\n",
              qt.seconds, qt.lines, qt.paints, headless.paints);
  std::printf("  headless:     %.3f s\n", headless.seconds);
  std::printf("  ratio Qt / headless: %.2f\n", qt.seconds / headless.seconds);
  return 0;
}
