#include "bench_support.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace vs::bench {

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

namespace {

double processCpuMilliseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

Stopwatch::Stopwatch() : wall_(Clock::now()), cpu_(processCpuMilliseconds()) {}

double Stopwatch::wallMilliseconds() const {
  return millisecondsSince(wall_);
}

double Stopwatch::cpuMilliseconds() const {
  return processCpuMilliseconds() - cpu_;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::filesystem::path layOutEmptyGame(const std::filesystem::path& root) {
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root / "bin");
  std::filesystem::create_directories(root / "data" / "modvdf");
  return root / "bin";
}

std::string archiveName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "archive%06d.mod", number);
  return name;
}

int NoProcesses::startProcess(const std::string&, const std::string&) {
  return 0;
}

bool NoSettings::createOrOpenKey() {
  return keyOpens_;
}

QueryResult NoSettings::queryBinary(const std::string&, std::size_t, std::vector<std::uint8_t>&) {
  return QueryResult::missing;
}

bool NoSettings::setBinary(const std::string&, const std::vector<std::uint8_t>&) {
  return true;
}

std::string BenchLocation::executablePath() {
  return executable_;
}

bool BenchLocation::changeDirectory(const std::string& directory) {
  return ::chdir(directory.c_str()) == 0;
}

}  // namespace vs::bench
