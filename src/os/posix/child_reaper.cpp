#include "os/posix/child_reaper.h"

#include <signal.h>
#include <sys/wait.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <vector>

namespace vs {
namespace {

// SA_NOCLDWAIT (or ignoring SIGCHLD) would be shorter, but it is
// process-wide: every other waiter in the process (QProcess, system(), a test
// harness) would lose its children's exit status and see ECHILD. So only the
// children started here are reaped: their pids sit in a lock-free table that
// both a chained SIGCHLD handler and each start sweep. A slot is claimed with a
// compare-and-swap only after waitid(WNOWAIT) has seen the child end, so the
// pid cannot be reused while it is still in the table and is reaped once.
constexpr std::size_t kSlots = 4096;
std::atomic<pid_t> startedChildren[kSlots];
struct sigaction previousChildAction;

// Children beyond the table's size (thousands running at once) are swept only
// at the next start.
std::mutex overflowMutex;
std::vector<pid_t> overflowChildren;

void reapTable() {
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
  reapTable();
  errno = savedErrno;
  if (previousChildAction.sa_flags & SA_SIGINFO) {
    if (previousChildAction.sa_sigaction != nullptr)
      previousChildAction.sa_sigaction(signalNumber, info, context);
  } else if (previousChildAction.sa_handler != SIG_DFL &&
             previousChildAction.sa_handler != SIG_IGN) {
    previousChildAction.sa_handler(signalNumber);
  }
}

}  // namespace

void watchStartedChildren() {
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

void rememberChild(pid_t child) {
  for (auto& slot : startedChildren) {
    pid_t empty = 0;
    if (slot.compare_exchange_strong(empty, child))
      return;
  }
  std::lock_guard lock(overflowMutex);
  overflowChildren.push_back(child);
}

void reapFinishedChildren() {
  reapTable();
  std::lock_guard lock(overflowMutex);
  std::erase_if(overflowChildren, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace vs
