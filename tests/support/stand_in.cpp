#include "support/stand_in.h"

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "support/temp_dir.h"

namespace vs::test {

std::string recordingScript(const std::filesystem::path& record, const std::string& tag) {
  const std::string out = record.string();
  // Written aside and renamed, so a reader never sees half a record.
  return "#!/bin/sh\n"
         "{ printf '%s\\n' '" +
         tag + "'; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > '" + out +
         ".part' && mv '" + out + ".part' '" + out + "'\n";
}

void writeExecutable(const std::filesystem::path& path, const std::string& content,
                     bool executable) {
  writeFile(path, content);
  using std::filesystem::perms;
  std::filesystem::permissions(path, executable ? perms::owner_all | perms::group_read
                                                : perms::owner_read | perms::owner_write);
}

std::string waitForFile(const std::filesystem::path& path) {
  for (int i = 0; i < 1000 && !std::filesystem::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return readFile(path);
}

std::vector<ChildProcess> childProcesses() {
  std::vector<ChildProcess> children;
  const pid_t self = ::getpid();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos)
      continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line))
      continue;
    // pid (comm) state ppid ...; comm may hold blanks and parentheses.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos || close + 4 > line.size())
      continue;
    const char state = line[close + 2];
    const pid_t parent = std::atoi(line.c_str() + close + 4);
    if (parent == self)
      children.push_back({std::atoi(name.c_str()), state});
  }
  return children;
}

std::vector<ChildProcess> waitForNoChildren() {
  std::vector<ChildProcess> children = childProcesses();
  for (int i = 0; i < 1000 && !children.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    children = childProcesses();
  }
  return children;
}

int zombieCount(const std::vector<ChildProcess>& children) {
  int zombies = 0;
  for (const auto& child : children) zombies += child.state == 'Z';
  return zombies;
}

PathGuard::PathGuard(const std::string& path) {
  const char* saved = std::getenv("PATH");
  had_ = saved != nullptr;
  if (had_)
    saved_ = saved;
  ::setenv("PATH", path.c_str(), 1);
}

PathGuard::~PathGuard() {
  if (had_)
    ::setenv("PATH", saved_.c_str(), 1);
  else
    ::unsetenv("PATH");
}

}  // namespace vs::test
