#include "os/posix/posix_process_starter.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "support/stand_in.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// This test program doubles as a native stand-in: started with the variable
// below set, it records what a started program sees and ends before main.
constexpr const char* kProbeVariable = "VS_START_PROBE_RECORD";

std::string readSmallFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const bool probeRan = [] {
  const char* record = std::getenv(kProbeVariable);
  if (record == nullptr)
    return false;
  std::string report = "argv:";
  for (char c : readSmallFile("/proc/self/cmdline")) report += c == '\0' ? '|' : c;
  report += "\nfds:";
  for (int fd = 0; fd < 1024; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1)
      report += " " + std::to_string(fd);
  }
  std::istringstream status(readSmallFile("/proc/self/status"));
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigBlk:", 0) == 0 || line.rfind("SigIgn:", 0) == 0)
      report += "\n" + line;
  }
  char cwd[4096] = {};
  report += "\ncwd:" + std::string(::getcwd(cwd, sizeof cwd) ? cwd : "?") + "\n";
  std::ofstream(std::string(record) + ".part") << report;
  std::rename((std::string(record) + ".part").c_str(), record);
  std::_Exit(0);
}();

class PosixStart : public ::testing::Test {
 protected:
  PosixStart() { std::filesystem::current_path(dir.path()); }
  TempDir dir;
  WorkingDirectoryGuard cwd;  // declared after dir: restored before dir goes
  PosixProcessStarter starter;
};

TEST_F(PosixStart, ArgumentsAreTheSwitchStringSplitAsOnWindows) {
  writeExecutable(dir / "vornakmod.exe", recordingScript(dir / "record"));
  ASSERT_EQ(starter.startProcess("vornakmod.exe",
                                 " -game:my mod.ini -zwindow  -save \"slot 1\" a\\\"b \"\" "),
            0);
  EXPECT_THAT(lines(waitForFile(dir / "record")),
              ElementsAre("", "[-game:my]", "[mod.ini]", "[-zwindow]", "[-save]", "[slot 1]",
                          "[a\"b]", "[]"));
}

TEST_F(PosixStart, NativeChildSeesItsNameOnlyTheStandardDescriptorsAndNoInheritedSignals) {
  std::filesystem::create_symlink(std::filesystem::read_symlink("/proc/self/exe"),
                                  dir / "vornakmod.exe");
  // Descriptors of ours without close-on-exec, and signal state a child
  // must not inherit.
  const int leaked = ::open((dir / "leak").c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(::dup2(leaked, 40), 0);
  struct sigaction ignore {
  }, savedInt{};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGINT, &ignore, &savedInt);
  sigset_t usr1, savedMask;
  sigemptyset(&usr1);
  sigaddset(&usr1, SIGUSR1);
  ::pthread_sigmask(SIG_BLOCK, &usr1, &savedMask);
  ::setenv(kProbeVariable, (dir / "record").c_str(), 1);

  const int result = starter.startProcess("vornakmod.exe", " -game:x.ini -zwindow ");

  ::unsetenv(kProbeVariable);
  ::pthread_sigmask(SIG_SETMASK, &savedMask, nullptr);
  ::sigaction(SIGINT, &savedInt, nullptr);
  ::close(40);
  ::close(leaked);
  ASSERT_EQ(result, 0);
  EXPECT_THAT(lines(waitForFile(dir / "record")),
              ElementsAre("argv:vornakmod.exe|-game:x.ini|-zwindow|", "fds: 0 1 2",
                          "SigBlk:\t0000000000000000", "SigIgn:\t0000000000000000",
                          "cwd:" + std::filesystem::current_path().string()));
}

TEST_F(PosixStart, WorkingDirectoryComesBeforePathAndPathIsSearchedInOrder) {
  std::filesystem::create_directories(dir / "first");
  std::filesystem::create_directories(dir / "second");
  PathGuard path((dir / "first").string() + ":" + (dir / "second").string() + "/:/usr/bin:/bin");

  writeExecutable(dir / "second" / "vornakmod.exe", recordingScript(dir / "record", "second"));
  ASSERT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 0);
  EXPECT_THAT(lines(waitForFile(dir / "record")), ElementsAre("second", "[-game:a.ini]"));
  std::filesystem::remove(dir / "record");

  writeExecutable(dir / "first" / "vornakmod.exe", recordingScript(dir / "record", "first"));
  ASSERT_EQ(starter.startProcess("vornakmod.exe", " -game:b.ini "), 0);
  EXPECT_THAT(lines(waitForFile(dir / "record")), ElementsAre("first", "[-game:b.ini]"));
  std::filesystem::remove(dir / "record");

  writeExecutable(dir / "vornakmod.exe", recordingScript(dir / "record", "cwd"));
  ASSERT_EQ(starter.startProcess("vornakmod.exe", " -game:c.ini "), 0);
  EXPECT_THAT(lines(waitForFile(dir / "record")), ElementsAre("cwd", "[-game:c.ini]"));
}

TEST_F(PosixStart, NameWithASlashIsNotLookedForOnPath) {
  std::filesystem::create_directories(dir / "onpath" / "sub");
  PathGuard path((dir / "onpath").string());
  writeExecutable(dir / "onpath" / "sub" / "vornakmod.exe", recordingScript(dir / "record"));
  EXPECT_EQ(starter.startProcess("sub/vornakmod.exe", " -game:a.ini "), ENOENT);
}

TEST_F(PosixStart, FailuresGiveTheRuntimeErrorNumbers) {
  std::filesystem::create_directories(dir / "onpath");
  PathGuard path((dir / "onpath").string() + ":/usr/bin:/bin");
  EXPECT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 2);

  writeExecutable(dir / "onpath" / "vornakmod.exe", recordingScript(dir / "record"), false);
  EXPECT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 13);

  // Bytes without a valid format are refused, never handed to a shell.
  writeExecutable(dir / "morlex.exe", std::string("\x01\x02garbage echo ran > ran\n\xff", 27));
  EXPECT_EQ(starter.startProcess("morlex.exe", " -game:a.ini "), 8);
  EXPECT_FALSE(std::filesystem::exists(dir / "ran"));
}

TEST_F(PosixStart, SearchStopsAtTheFirstFailureOtherThanAMissingFile) {
  std::filesystem::create_directories(dir / "first");
  std::filesystem::create_directories(dir / "second");
  PathGuard path((dir / "first").string() + ":" + (dir / "second").string() + ":/usr/bin:/bin");
  writeExecutable(dir / "first" / "vornakmod.exe", recordingScript(dir / "record"), false);
  writeExecutable(dir / "second" / "vornakmod.exe", recordingScript(dir / "record"));
  EXPECT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 13);
  // Not found on the way, in the working directory, is no stop.
  std::filesystem::create_directories(dir / "empty");
  PathGuard second((dir / "empty").string() + ":" + (dir / "second").string() + ":/bin");
  EXPECT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 0);
  EXPECT_THAT(waitForFile(dir / "record"), HasSubstr("[-game:a.ini]"));
}

TEST_F(PosixStart, FiftyStartsLeaveNoZombie) {
  writeExecutable(dir / "vornakmod.exe", "#!/bin/sh\nexit 0\n");
  ASSERT_TRUE(waitForNoChildren().empty());
  for (int i = 0; i < 50; ++i) ASSERT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 0);
  const auto left = waitForNoChildren();
  EXPECT_EQ(zombieCount(left), 0);
  EXPECT_TRUE(left.empty());
}

TEST_F(PosixStart, OtherWaitersKeepTheirChildren) {
  // The starter reaps only what it started: a child of someone else in the
  // process still reports its exit status.
  const pid_t own = ::fork();
  if (own == 0)
    ::_exit(7);
  writeExecutable(dir / "vornakmod.exe", "#!/bin/sh\nexit 0\n");
  ASSERT_EQ(starter.startProcess("vornakmod.exe", " -game:a.ini "), 0);
  int status = 0;
  ASSERT_EQ(::waitpid(own, &status, 0), own);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_TRUE(waitForNoChildren().empty());
}

}  // namespace
}  // namespace vs::test
