#include "bench_support.h"

#include <unistd.h>

#include <cstdio>

namespace vs::bench {

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
