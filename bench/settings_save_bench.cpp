// Times what the settings file costs the launcher: opening and reading the
// eight values at start-up, and writing them at exit (eight values set, one
// commit), for a fresh file and for one padded with ten megabytes of the
// user's own lines.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "core/settings/reg_file.h"
#include "os/posix/posix_settings_store.h"

namespace {

namespace fs = std::filesystem;
using vs::bench::Clock;
using vs::bench::millisecondsSince;

const char* kNames[] = {"nomusic", "nosound",  "windowed",      "startapp",
                        "modgame", "spylevel", "physicalfirst", "parameters"};

void run(const fs::path& file, const std::string& padding, const char* label) {
  fs::remove(file);
  if (!padding.empty()) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << padding;
  }
  vs::PosixSettingsStore store(file);
  auto start = Clock::now();
  store.createOrOpenKey();
  std::vector<std::uint8_t> data;
  for (const char* name : kNames) store.queryBinary(name, 260, data);
  const double startup = millisecondsSince(start);

  for (int round = 0; round < 2; ++round) {
    start = Clock::now();
    for (const char* name : kNames) {
      const std::size_t size = std::string(name) == "parameters" ? 260 : 4;
      store.setBinary(name, std::vector<std::uint8_t>(size, static_cast<std::uint8_t>(round)));
    }
    store.commit();
    std::printf("%-28s open+8 reads %9.2f ms   exit, 8 %s values %9.2f ms\n", label, startup,
                round == 0 ? "new" : "changed", millisecondsSince(start));
  }
  start = Clock::now();
  for (const char* name : kNames) {
    const std::size_t size = std::string(name) == "parameters" ? 260 : 4;
    store.setBinary(name, std::vector<std::uint8_t>(size, 1));
  }
  store.commit();
  std::printf("%-28s exit, 8 unchanged values %9.2f ms\n", label, millisecondsSince(start));

  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  start = Clock::now();
  const auto parsed = vs::reg::RegFile::parse(text);
  std::printf("%-28s one parse of %zu bytes %9.2f ms\n", label, text.size(),
              millisecondsSince(start));
}

}  // namespace

int main() {
  char pattern[] = "/tmp/vsbench-XXXXXX";
  if (!::mkdtemp(pattern))
    return 1;
  const fs::path file = fs::path(pattern) / "VornakStarter.reg";
  run(file, "", "fresh file");
  std::string padding = "REGEDIT4\r\n\r\n";
  while (padding.size() < (10u << 20)) padding += "; a line of the user's own, kept as it is\r\n";
  run(file, padding, "10 MB of the user's lines");
  fs::remove_all(pattern);
  return 0;
}
