// Stand-in programs for real starts, and a look at this process's children.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vs::test {

// A "#!/bin/sh" program that writes each argument after its name on a line
// of its own, in brackets, to `record` (complete once the file exists).
std::string recordingScript(const std::filesystem::path& record, const std::string& tag = "");
void writeExecutable(const std::filesystem::path& path, const std::string& content,
                     bool executable = true);

// Waits up to ten seconds for `path` to exist; then returns its content.
std::string waitForFile(const std::filesystem::path& path);

struct ChildProcess {
  pid_t pid;
  char state;  // as in /proc/<pid>/stat: 'Z' for a zombie
};
std::vector<ChildProcess> childProcesses();
// Waits up to ten seconds until this process has no child left, not even a
// zombie; returns what remains.
std::vector<ChildProcess> waitForNoChildren();
int zombieCount(const std::vector<ChildProcess>& children);

// Sets PATH for the life of the object.
class PathGuard {
 public:
  explicit PathGuard(const std::string& path);
  ~PathGuard();

 private:
  std::string saved_;
  bool had_;
};

}  // namespace vs::test
