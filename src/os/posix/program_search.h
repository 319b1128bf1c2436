// Where a program named without a directory is looked for, in the order the
// Windows runtime looks: the working directory (the launcher's own), its name
// there found without regard to case, then each directory of PATH.
#pragma once

#include <string>
#include <vector>

namespace vs {

// The paths to try for `programName`, in order: the working directory's
// file, then, for a name without "/", the same name in each PATH directory.
std::vector<std::string> programCandidates(const std::string& programName);

// The first file `name` on PATH that is a regular file and may be executed;
// empty when there is none.
std::string findExecutableOnPath(const std::string& name);

// Whether `path` is a regular file that may be executed.
bool isExecutableFile(const std::string& path);

// `directory` and `name` with one "/" between them; empty directory: the name.
std::string joinPath(const std::string& directory, const std::string& name);

// The working directory as an absolute path; empty when it cannot be read.
std::string workingDirectory();

}  // namespace vs
