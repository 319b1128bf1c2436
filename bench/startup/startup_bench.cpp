// Start-up benchmark: from process start to the dialog shown and filled, for
// the launcher with 1,000 mod INI files and for a bare Qt dialog with a list
// of 1,000 items, side by side in one run. Each start is timed from just
// before posix_spawn to the first paint of its window (reported by the
// preloaded probe on the same monotonic clock); peak memory is the child's
// maximum resident set from wait4. Runs alternate between the two programs.
//
// In the same game directory, with 20 archives in its data directory, a
// direct start (--start) is timed from just before posix_spawn to the start
// of the game it starts, a stand-in that writes the clock at its start.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "startup_game_dir.h"

extern char** environ;

namespace {

struct Sample {
  double milliseconds;
  long maxRssKb;
};

long long monotonicNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::vector<std::string> childEnvironment(const startup::BenchGameDir& dir,
                                          const std::string& platform) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name != "LD_PRELOAD" && name != "XDG_CONFIG_HOME" && name != "XDG_RUNTIME_DIR" &&
        name != "QT_QPA_PLATFORM" && name != "VS_FIRST_PAINT_FD")
      env.push_back(text);
  }
  env.push_back("LD_PRELOAD=" VS_PROBE_PATH);
  env.push_back("VS_FIRST_PAINT_FD=3");
  env.push_back("QT_QPA_PLATFORM=" + platform);
  env.push_back("XDG_CONFIG_HOME=" + dir.config.string());
  env.push_back("XDG_RUNTIME_DIR=" + dir.runtime.string());
  return env;
}

// One start; nothing when the program ended or hung without painting.
std::optional<Sample> timeOneStart(const std::string& program, std::vector<std::string> env) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0)
    return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 3);  // dup2 clears close-on-exec
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

  std::vector<char*> envp;
  for (auto& entry : env) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string arg0 = program;
  char* argv[] = {arg0.data(), nullptr};

  const long long started = monotonicNs();
  pid_t child = 0;
  const int error = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (error != 0) {
    ::close(pipeFds[0]);
    std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(error));
    return std::nullopt;
  }

  std::string reported;
  pollfd wait{pipeFds[0], POLLIN, 0};
  while (::poll(&wait, 1, 30000) > 0) {
    char buffer[64];
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0)
      break;
    reported.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipeFds[0]);
  if (reported.empty())
    ::kill(child, SIGKILL);  // no paint within 30 s
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  if (reported.empty())
    return std::nullopt;
  const long long painted = std::atoll(reported.c_str());
  return Sample{(painted - started) / 1e6, usage.ru_maxrss};
}

// One direct start of mod7.ini from the archives all in the data directory;
// nothing when the launcher failed or the game did not start.
std::optional<Sample> timeDirectStart(const startup::BenchGameDir& dir,
                                      std::vector<std::string> env) {
  startup::unparkArchives(dir);
  const std::string clock = (dir.root / "clock").string();
  ::unlink(clock.c_str());
  // Without the paint probe, which would load Qt into a start that needs none.
  std::erase_if(env, [](const std::string& entry) { return entry.starts_with("LD_PRELOAD="); });
  env.push_back("VS_STAND_IN_CLOCK=" + clock);
  std::vector<char*> envp;
  for (auto& entry : env) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string arg0 = dir.launcher.string(), option = "--start", name = "mod7.ini";
  char* argv[] = {arg0.data(), option.data(), name.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

  const long long started = monotonicNs();
  pid_t child = 0;
  const int error = ::posix_spawn(&child, arg0.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0)
    return std::nullopt;
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return std::nullopt;
  // The launcher does not wait for the game.
  for (int tries = 0; tries < 1000; ++tries) {
    if (std::FILE* in = std::fopen(clock.c_str(), "r")) {
      long long gameStarted = 0;
      const bool read = std::fscanf(in, "%lld", &gameStarted) == 1;
      std::fclose(in);
      if (read)
        return Sample{(gameStarted - started) / 1e6, usage.ru_maxrss};
    }
    ::usleep(1000);
  }
  return std::nullopt;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
  const char* name;
  std::string program;
  std::vector<Sample> samples;
  bool direct = false;  // a start without the window, timed to the game

  void print() const {
    std::vector<double> ms, rss;
    for (const Sample& s : samples) {
      ms.push_back(s.milliseconds);
      rss.push_back(s.maxRssKb / 1024.0);
    }
    std::printf(
        "%-34s median %8.1f ms   min %8.1f   max %8.1f   peak RSS median %6.1f MiB"
        "   max %6.1f MiB\n",
        name, median(ms), *std::min_element(ms.begin(), ms.end()),
        *std::max_element(ms.begin(), ms.end()), median(rss),
        *std::max_element(rss.begin(), rss.end()));
  }
  double medianMs() const {
    std::vector<double> ms;
    for (const Sample& s : samples) ms.push_back(s.milliseconds);
    return median(ms);
  }
};

}  // namespace

int main(int argc, char** argv) {
  int runs = 20;
  int mods = 1000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--runs") == 0)
      runs = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--mods") == 0)
      mods = std::max(0, std::atoi(argv[i + 1]));
  }
  const char* display = std::getenv("DISPLAY");
  const std::string platform = display != nullptr && *display != '\0' ? "xcb" : "offscreen";

  constexpr int kArchives = 20;
  const startup::BenchGameDir dir =
      startup::makeBenchGameDir(VS_LAUNCHER_PATH, mods, VS_STAND_IN_PATH, kArchives);
  const std::vector<std::string> env = childEnvironment(dir, platform);
  Series launcher{"VornakStarter", dir.launcher.string(), {}};
  Series minimal{"minimal QDialog + QListWidget", VS_MINIMAL_PATH, {}};
  Series direct{"VornakStarter --start, to the game", dir.launcher.string(), {}, true};

  std::printf(
      "start-up to first paint, and --start to the game: %d mod INI files, %d runs each"
      " (after one warm-up),"
      " Qt platform %s\n",
      mods, runs, platform.c_str());
  int failures = 0;
  for (int run = -1; run < runs; ++run) {
    // Alternate which program goes first, so neither always meets a warmer cache.
    Series* order[3] = {&launcher, &minimal, &direct};
    std::rotate(order, order + (run + 3) % 3, order + 3);
    for (Series* series : order) {
      const auto sample =
          series->direct ? timeDirectStart(dir, env) : timeOneStart(series->program, env);
      if (!sample) {
        std::fprintf(stderr, "%s did not report a first paint\n", series->name);
        ++failures;
      } else if (run >= 0) {
        series->samples.push_back(*sample);
      }
    }
  }
  startup::removeBenchGameDir(dir);
  if (failures > 0 || launcher.samples.empty() || minimal.samples.empty() ||
      direct.samples.empty()) {
    std::printf("start-up benchmark failed: %d starts without a first paint or a game\n", failures);
    return 1;
  }
  launcher.print();
  minimal.print();
  direct.print();
  const double ratio = launcher.medianMs() / minimal.medianMs();
  std::printf("ratio of medians %.2fx (target at most 1.10x: %s)\n", ratio,
              ratio <= 1.10 ? "met" : "NOT met");
  const double directRatio = direct.medianMs() / launcher.medianMs();
  std::printf(
      "--start to the game (%d archives) against the window to its first paint: %.2fx"
      " (target at most 0.30x: %s)\n",
      kArchives, directRatio, directRatio <= 0.30 ? "met" : "NOT met");
  return 0;
}
