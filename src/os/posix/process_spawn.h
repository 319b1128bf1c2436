// One posix_spawn of a program by its path: no shell, no search, a clean
// signal state and only the standard descriptors handed on.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace vs {

// 0 with `child` set, or the errno value of the failure.
int spawnProgram(const std::string& path, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment, pid_t& child);

// The launcher's own environment, one "NAME=value" a line.
std::vector<std::string> currentEnvironment();

}  // namespace vs
