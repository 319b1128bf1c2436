// The archive switch before a start, through the real dialog on the Qt front
// end offscreen: park a player's 50 archives and bring 25 back, and the same
// with 10,000 and 5,000, with every log line shown as it comes. Side by side,
// round by round, with the same switch on the headless host; prints the
// medians, their ratio and the log's paints.
#include <QApplication>
#include <QListView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "dialog/resources.h"
#include "dialog/starter_dialog.h"
#include "os/posix/code_page_text.h"
#include "os/posix/posix_file_system.h"
#include "support/headless/headless_host.h"
#include "support/paint_counter.h"
#include "ui/qt/host.h"
#include "ui/qt/widgets.h"

namespace {

namespace fs = std::filesystem;
using vs::bench::archiveName;
using vs::bench::median;
using vs::bench::Scale;

// A game directory whose data directory holds `archives` archives.
fs::path makeGame(const fs::path& root, int archives) {
  const fs::path bin = vs::bench::layOutEmptyGame(root);
  for (int i = 0; i < archives; ++i) std::ofstream(root / "data" / archiveName(i)) << i;
  return bin;
}

// Every parked archive back into the data directory, as before a round.
void unpark(const fs::path& root) {
  for (const auto& entry : fs::directory_iterator(root / "data" / "modvdf"))
    fs::rename(entry.path(), root / "data" / entry.path().filename());
}

std::string activatedList(int activated) {
  std::string vdf;
  for (int i = 0; i < activated; ++i) vdf += archiveName(i * 2) + " ";
  return vdf;
}

// One front end's dialog open in a game of its own.
struct Side {
  fs::path root;
  int expectedLines;
  vs::PosixFileSystem files;
  vs::bench::NoProcesses processes;
  vs::bench::NoSettings settings{true};
  vs::bench::BenchLocation location;
  vs::StarterDialog dialog;
  std::function<void()> clearLog;
  std::function<int()> paints, lines;

  Side(vs::DialogHost& host, const fs::path& gameRoot, int archives)
      : root(gameRoot),
        expectedLines(archives + archives / 2),
        location((makeGame(gameRoot, archives) / "VornakStarter").string()),
        dialog(vs::Services{host, files, processes, settings, location}) {}

  // The switch's log lines alone, without a move: what the front end adds.
  std::pair<double, double> timeLogOnly(const std::vector<std::string>& lines) {
    clearLog();
    QApplication::processEvents();
    const vs::bench::Stopwatch watch;
    for (const std::string& line : lines) {
      dialog.archiveLog.AddString(line);
      dialog.archiveLog.UpdateWindow();
    }
    QApplication::processEvents();
    return {watch.wallMilliseconds(), watch.cpuMilliseconds()};
  }

  // One switch, timed up to the last line on screen; checked afterwards.
  std::pair<double, double> timeSwitch(const std::string& vdf) {
    fs::current_path(root / "bin");
    unpark(root);
    clearLog();
    QApplication::processEvents();
    const vs::bench::Stopwatch watch;
    dialog.deactivateModArchives();
    dialog.activateModArchives(vdf);
    QApplication::processEvents();  // the last gathered line reaches the screen
    const std::pair<double, double> times{watch.wallMilliseconds(), watch.cpuMilliseconds()};
    if (lines() != expectedLines)
      throw std::runtime_error("a log line is missing");
    return times;
  }
};

void benchSwitch(vs::QtHost& qtHost, const Scale& scale) {
  const int archives = scale.count, activated = archives / 2;
  const fs::path start = fs::current_path();
  const fs::path root = fs::temp_directory_path() / "vs_qt_switch_bench";

  Side qt(qtHost, root / "qt", archives);
  auto qtWindow = qtHost.open(qt.dialog);
  auto* log = qtWindow->controlAs<QListView>(vs::IDC_ARCHIVELOG);
  vs::PaintCounter logPaints(log->viewport());
  qt.clearLog = [&] { qtWindow->clearLines(vs::IDC_ARCHIVELOG); };
  qt.paints = [&] { return logPaints.paints(); };
  qt.lines = [&] { return log->model()->rowCount(); };

  vs::HeadlessHost headlessHost;
  Side headless(headlessHost, root / "headless", archives);
  auto headlessWindow = headlessHost.open(headless.dialog);
  vs::HeadlessControl& headlessLog = headlessWindow->control(vs::IDC_ARCHIVELOG);
  headless.clearLog = [&] { headlessLog.lines.clear(); };
  headless.paints = [&] { return headlessLog.repaints; };
  headless.lines = [&] { return static_cast<int>(headlessLog.lines.size()); };
  QApplication::processEvents();  // both on screen before the first line

  const std::string vdf = activatedList(activated);
  std::vector<double> qtWall, qtCpu, headlessWall, headlessCpu, wallRatios, cpuRatios, paints;
  int requests = 0;
  for (int round = 0; round < scale.rounds; ++round) {
    // Turn about, so neither always runs on a cache the other warmed.
    const int paintsBefore = qt.paints(), requestsBefore = headless.paints();
    std::pair<double, double> q, h;
    if (round % 2 == 0) {
      q = qt.timeSwitch(vdf);
      h = headless.timeSwitch(vdf);
    } else {
      h = headless.timeSwitch(vdf);
      q = qt.timeSwitch(vdf);
    }
    qtWall.push_back(q.first);
    qtCpu.push_back(q.second);
    headlessWall.push_back(h.first);
    headlessCpu.push_back(h.second);
    wallRatios.push_back(q.first / h.first);
    cpuRatios.push_back(q.second / h.second);
    paints.push_back(qt.paints() - paintsBefore);
    requests = headless.paints() - requestsBefore;
  }
  std::vector<std::string> logLines;
  for (int i = 0; i < archives; ++i)
    logLines.push_back("../data/" + archiveName(i) + " --> ../data/modvdf/" + archiveName(i));
  for (int i = 0; i < activated; ++i)
    logLines.push_back("../data/" + archiveName(2 * i) + " <-- ../data/modvdf/" +
                       archiveName(2 * i));
  std::vector<double> qtLogCpu, headlessLogCpu;
  for (int round = 0; round < scale.rounds; ++round) {
    qtLogCpu.push_back(qt.timeLogOnly(logLines).second);
    headlessLogCpu.push_back(headless.timeLogOnly(logLines).second);
  }
  qtWindow.reset();
  headlessWindow.reset();
  fs::current_path(start);
  fs::remove_all(root);

  std::printf("archive switch: park %d, activate %d, %d log lines, medians of %d rounds\n",
              archives, activated, archives + activated, scale.rounds);
  std::printf(
      "  Qt offscreen: wall %8.3f ms   CPU %8.3f ms   %.0f log paints (at most %.0f) for %d "
      "repaint requests\n",
      median(qtWall), median(qtCpu), median(paints),
      *std::max_element(paints.begin(), paints.end()), requests);
  std::printf("  headless:     wall %8.3f ms   CPU %8.3f ms\n", median(headlessWall),
              median(headlessCpu));
  const auto [cpuLow, cpuHigh] = std::minmax_element(cpuRatios.begin(), cpuRatios.end());
  const auto [wallLow, wallHigh] = std::minmax_element(wallRatios.begin(), wallRatios.end());
  std::printf(
      "  ratio Qt / headless, median of the rounds': CPU %.3f (%.3f to %.3f), wall %.3f (%.3f to "
      "%.3f); target at most 1.10\n",
      median(cpuRatios), *cpuLow, *cpuHigh, median(wallRatios), *wallLow, *wallHigh);
  std::printf("the log lines alone, without a move: Qt CPU %.3f ms, headless CPU %.3f ms\n",
              median(qtLogCpu), median(headlessLogCpu));
}

}  // namespace

int main(int argc, char** argv) try {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  vs::useCodePageConverter(&vs::codePageToUtf8);
  vs::QtHost qtHost{vs::starterResources()};
  for (const Scale& scale : vs::bench::kSwitchScales) benchSwitch(qtHost, scale);
  return 0;
} catch (const std::exception& error) {
  std::fprintf(stderr, "qt_switch_bench: %s\n", error.what());
  return 1;
}
