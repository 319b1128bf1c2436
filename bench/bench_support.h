// What the benchmarks share: services that stand still, so only the part
// being measured does work, and a clock read in milliseconds.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "os/process_starter.h"
#include "os/program_location.h"
#include "os/settings_store.h"

namespace vs::bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);

// Wall time and the CPU time of the whole process, both in milliseconds. On a
// machine that others load too, a process waits for a core for a while that
// only the wall clock counts: the CPU time is the figure that survives it
// (the measured work never waits for a disk or a child).
class Stopwatch {
 public:
  Stopwatch();
  double wallMilliseconds() const;
  double cpuMilliseconds() const;

 private:
  Clock::time_point wall_;
  double cpu_;
};

double median(std::vector<double> values);

// An empty game directory at `root`, bin/ and data/modvdf/, with whatever was
// there before removed; returns bin/.
std::filesystem::path layOutEmptyGame(const std::filesystem::path& root);

// "archive000042.mod": names of one length, so every size costs the same per name.
std::string archiveName(int number);

// The archives or mod files of one measurement, and the rounds that take its
// median: a player's few are over in a fraction of a millisecond, so they
// take many more rounds.
struct Scale {
  int count;
  int rounds;
};
// A player's 50 archives, and 10,000.
inline constexpr Scale kSwitchScales[] = {{50, 201}, {10000, 11}};
// A player's 20 mods, and 10,000.
inline constexpr Scale kScanScales[] = {{20, 301}, {10000, 11}};

// Starts nothing and reports success.
class NoProcesses : public ProcessStarter {
 public:
  int startProcess(const std::string& program, const std::string& commandLine) override;
};

// Holds no values; its key opens or not, as the benchmark asks.
class NoSettings : public SettingsStore {
 public:
  explicit NoSettings(bool keyOpens) : keyOpens_(keyOpens) {}
  bool createOrOpenKey() override;
  bool openKeyForReading() override { return keyOpens_; }
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override;
  bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) override;

 private:
  bool keyOpens_;
};

// The launcher at a path of the benchmark's choosing; an empty path leaves the
// working directory where it is.
class BenchLocation : public ProgramLocation {
 public:
  explicit BenchLocation(std::string executable) : executable_(std::move(executable)) {}
  std::string executablePath() override;
  bool changeDirectory(const std::string& directory) override;

 private:
  std::string executable_;
};

}  // namespace vs::bench
