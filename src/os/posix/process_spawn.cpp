#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // posix_spawn_file_actions_addclosefrom_np
#endif
#include "os/posix/process_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>

#include <cstdlib>
#include <cstring>

#include "os/posix/folder_index.h"

extern char** environ;

namespace vs {
namespace {

// The child gets no descriptor of ours beyond 0, 1 and 2.
void closeInheritedDescriptors(posix_spawn_file_actions_t& actions) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#else
  // The listing's own descriptor is closed by then: only open ones count.
  const FolderIndex descriptors(AT_FDCWD, "/dev/fd");
  for (const FolderIndex::Entry& entry : descriptors.entries()) {
    const int fd = std::atoi(entry.name.c_str());
    if (fd > 2 && ::fcntl(fd, F_GETFD) != -1)
      posix_spawn_file_actions_addclose(&actions, fd);
  }
#endif
}

std::vector<char*> pointers(const std::vector<std::string>& texts) {
  std::vector<char*> list;
  for (const auto& text : texts) list.push_back(const_cast<char*>(text.c_str()));
  list.push_back(nullptr);
  return list;
}

}  // namespace

int spawnProgram(const std::string& path, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment, pid_t& child) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  if (int error = posix_spawn_file_actions_init(&actions); error != 0)
    return error;
  if (int error = posix_spawnattr_init(&attributes); error != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return error;
  }
  closeInheritedDescriptors(actions);
  sigset_t all, none;
  sigfillset(&all);
#ifdef __GLIBC__
  // glibc's sigfillset leaves out its two internal signals, and its
  // posix_spawn then hands them to the program as ignored.
  std::memset(&all, 0xff, sizeof all);
#endif
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

  const std::vector<char*> argv = pointers(arguments);
  const std::vector<char*> envp = pointers(environment);
  const int error =
      ::posix_spawn(&child, path.c_str(), &actions, &attributes, argv.data(), envp.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

std::vector<std::string> currentEnvironment() {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
  return environment;
}

}  // namespace vs
