// What the launcher's command line asks for. Without arguments the dialog
// opens; the options start a configuration straight away, list them, or
// print the help or the version.
#pragma once

#include <string>
#include <vector>

namespace vs {

enum class ProgramActionKind { dialog, start, list, help, version, usage };

struct ProgramAction {
  ProgramActionKind kind = ProgramActionKind::dialog;
  std::string name;     // start: the configuration's file name as given
  std::string problem;  // usage: the line that says what was wrong
  bool operator==(const ProgramAction&) const = default;
};

// The program's exit statuses: done, failed (after the dialog showed why),
// and a command line it cannot use.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// `arguments` without the program's own name. One action at most: anything
// after it is an extra argument.
ProgramAction parseProgramOptions(const std::vector<std::string>& arguments);

}  // namespace vs
