// The Linux command line holds Qt's own options beside the launcher's: they
// are told apart before either reads them.
#pragma once

#include <string>
#include <vector>

namespace vs {

struct SplitArguments {
  std::vector<std::string> qt;        // the program's name and Qt's options
  std::vector<std::string> launcher;  // the rest, for the launcher
};

// Qt's options (such as "-platform xcb" or "--style=Fusion"), with the value
// that follows those that take one, go to Qt.
SplitArguments splitQtArguments(const std::vector<std::string>& argv);

}  // namespace vs
