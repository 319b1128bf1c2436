// A throw-away game directory for the start-up benchmark: the launcher copied
// into bin/ beside the game's INI file and many mod INI files, and the data
// directories, plus private config and runtime directories.
#pragma once

#include <filesystem>
#include <string>

namespace startup {

struct BenchGameDir {
  std::filesystem::path root;
  std::filesystem::path launcher;  // the copy inside bin/
  std::filesystem::path config;
  std::filesystem::path runtime;
};

BenchGameDir makeBenchGameDir(const std::filesystem::path& launcher, int modCount);
void removeBenchGameDir(const BenchGameDir& dir);

}  // namespace startup
