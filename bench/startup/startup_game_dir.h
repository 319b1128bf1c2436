// A throw-away game directory for the start-up benchmark: the launcher copied
// into bin/ beside the game's INI file and many mod INI files, and the data
// directories, plus private config and runtime directories.
#pragma once

#include <filesystem>
#include <string>

namespace startup {

struct BenchGameDir {
  std::filesystem::path root;
  std::filesystem::path bin;
  std::filesystem::path launcher;  // the copy inside bin/
  std::filesystem::path config;
  std::filesystem::path runtime;
};

// With a game (`standIn`, as vornakmod.exe) and `archives` of the mods'
// archives in the data directory.
BenchGameDir makeBenchGameDir(const std::filesystem::path& launcher, int modCount,
                              const std::filesystem::path& standIn = {}, int archives = 0);
// Brings every parked archive back to the data directory.
void unparkArchives(const BenchGameDir& dir);
void removeBenchGameDir(const BenchGameDir& dir);

}  // namespace startup
