#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // posix_spawn_file_actions_addclosefrom_np
#endif
#include "os/posix/posix_process_starter.h"

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/launch/spawn_error_text.h"
#include "core/launch/windows_arguments.h"
#include "os/posix/case_insensitive_paths.h"
#include "os/posix/posix_program_location.h"
#include "os/posix/wine_start.h"

extern char** environ;

namespace vs {
namespace {

// Reaping. SA_NOCLDWAIT (or ignoring SIGCHLD) would be shorter, but it is
// process-wide: every other waiter in the process (QProcess, system(), a test
// harness) would lose its children's exit status and see ECHILD. So only the
// children started here are reaped: their pids sit in a lock-free table that
// both a chained SIGCHLD handler and each start sweep. A slot is claimed with a
// compare-and-swap only after waitid(WNOWAIT) has seen the child end, so the
// pid cannot be reused while it is still in the table and is reaped once.
constexpr std::size_t kSlots = 4096;
std::atomic<pid_t> startedChildren[kSlots];
struct sigaction previousChildAction;

void reapFinishedChildren() {
  for (auto& slot : startedChildren) {
    pid_t pid = slot.load();
    if (pid <= 0)
      continue;
    siginfo_t info{};
    if (::waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
      // Reaped by someone else's wait for any child: nothing left to collect.
      if (errno == ECHILD)
        slot.compare_exchange_strong(pid, 0);
      continue;
    }
    if (info.si_pid != pid)
      continue;
    if (slot.compare_exchange_strong(pid, 0))
      ::waitpid(pid, nullptr, WNOHANG);
  }
}

void onChildSignal(int signalNumber, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  reapFinishedChildren();
  errno = savedErrno;
  if (previousChildAction.sa_flags & SA_SIGINFO) {
    if (previousChildAction.sa_sigaction != nullptr)
      previousChildAction.sa_sigaction(signalNumber, info, context);
  } else if (previousChildAction.sa_handler != SIG_DFL &&
             previousChildAction.sa_handler != SIG_IGN) {
    previousChildAction.sa_handler(signalNumber);
  }
}

void installChildHandlerOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction current {};
    ::sigaction(SIGCHLD, nullptr, &current);
    // Ignored SIGCHLD already makes the system reap every child.
    if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN)
      return;
    struct sigaction action {};
    action.sa_sigaction = onChildSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART | SA_NOCLDSTOP;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGCHLD, &action, &previousChildAction);
  });
}

// Children beyond the table's size (thousands running at once) are swept only
// at the next start.
std::mutex overflowMutex;
std::vector<pid_t> overflowChildren;

void remember(pid_t child) {
  for (auto& slot : startedChildren) {
    pid_t empty = 0;
    if (slot.compare_exchange_strong(empty, child))
      return;
  }
  std::lock_guard lock(overflowMutex);
  overflowChildren.push_back(child);
}

void sweepOverflow() {
  std::lock_guard lock(overflowMutex);
  std::erase_if(overflowChildren, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

// The child gets no descriptor of ours beyond 0, 1 and 2.
void closeInheritedDescriptors(posix_spawn_file_actions_t& actions) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#else
  if (DIR* dir = ::opendir("/dev/fd")) {
    const int own = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
      const int fd = std::atoi(entry->d_name);
      if (fd > 2 && fd != own)
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    ::closedir(dir);
  }
#endif
}

int spawn(const std::string& path, char* const argv[], char* const envp[], pid_t& child) {
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

  const int error = ::posix_spawn(&child, path.c_str(), &actions, &attributes, argv, envp);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

std::vector<std::string> searchPath() {
  std::vector<std::string> directories;
  const char* path = std::getenv("PATH");
  if (path == nullptr)
    return directories;
  std::string all = path;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t colon = all.find(':', begin);
    directories.push_back(all.substr(begin, colon - begin));
    if (colon == std::string::npos)
      return directories;
    begin = colon + 1;
  }
}

std::string joinPath(const std::string& directory, const std::string& name) {
  if (directory.empty() || directory.back() == '/')
    return directory + name;
  return directory + "/" + name;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> list;
  for (auto& text : texts) list.push_back(text.data());
  list.push_back(nullptr);
  return list;
}

// `name` in each directory of PATH, up to the first that is not missing;
// `found` is the path of that one.
int spawnOnPath(const std::string& name, char* const argv[], char* const envp[], pid_t& child,
                std::string& found) {
  int error = ENOENT;
  for (const std::string& directory : searchPath()) {
    found = joinPath(directory, name);
    error = spawn(found, argv, envp, child);
    if (error != ENOENT)
      break;
  }
  return error;
}

std::string workingDirectory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE)
      return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

// The program file in the working directory (the launcher's own), found
// without regard to case as Windows finds it; an exact name first.
std::string programInWorkingDirectory(const std::string& programName) {
  if (programName.find('/') != std::string::npos || ::access(programName.c_str(), F_OK) == 0)
    return programName;
  return CaseInsensitivePaths().resolve(programName);
}

// A Windows program through `wine` on PATH and the relay, which hands it the
// command line unchanged. 0 when wine has been started.
int startThroughWine(const std::string& relay, const std::string& program,
                     const std::string& commandLine, pid_t& child) {
  if (relay.empty() || ::access(relay.c_str(), R_OK) != 0)
    return ENOENT;
  const std::string directory = workingDirectory();
  const std::string absolute = program.front() == '/' ? program : joinPath(directory, program);
  std::vector<std::string> arguments = wineRelayArguments(relay, absolute, commandLine);
  std::vector<std::string> environment = wineEnvironment(directory);
  std::vector<char*> argv = pointers(arguments);
  std::vector<char*> envp = pointers(environment);
  std::string wine;
  return spawnOnPath("wine", argv.data(), envp.data(), child, wine);
}

}  // namespace

std::string wineRelayBesideLauncher() {
  const std::string launcher = PosixProgramLocation().executablePath();
  const auto cut = launcher.find_last_of('/');
  if (cut == std::string::npos)
    return {};
  return launcher.substr(0, cut + 1) + kWineRelayName;
}

PosixProcessStarter::PosixProcessStarter(std::string wineRelay) : wineRelay_(std::move(wineRelay)) {
  installChildHandlerOnce();
}

int PosixProcessStarter::startProcess(const std::string& programName,
                                      const std::string& switchString) {
  reapFinishedChildren();
  sweepOverflow();

  std::vector<std::string> arguments = splitWindowsArguments(switchString);
  arguments.insert(arguments.begin(), programName);
  std::vector<char*> argv = pointers(arguments);

  pid_t child = 0;
  std::string program = programInWorkingDirectory(programName);
  int error = spawn(program, argv.data(), environ, child);
  if (error == ENOENT && programName.find('/') == std::string::npos)
    error = spawnOnPath(programName, argv.data(), environ, child, program);
  // A Windows program the system cannot run itself: Wine can, when there is
  // one; otherwise the system's own reason stands. The line is joined as the
  // Windows runtime joins it: one blank, then the switch string with its own.
  if ((error == ENOEXEC || error == EACCES) && isWindowsProgram(program) &&
      startThroughWine(wineRelay_, program, programName + " " + switchString, child) == 0)
    error = 0;
  if (error != 0)
    return runtimeStartError(error);

  remember(child);
  // The child may have ended before it was in the table, with its SIGCHLD
  // already handled.
  reapFinishedChildren();
  return 0;
}

}  // namespace vs
