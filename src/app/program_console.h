// Where the program's words go, and its window system: the terminal on Linux;
// on Windows the console it was started from, or a message box.
#pragma once

#include <string>
#include <vector>

#include "ui/dialog_host.h"

namespace vs {

class ProgramConsole {
 public:
  virtual ~ProgramConsole() = default;
  // Texts from the core (ASCII) or from INI files (their own bytes).
  virtual void print(const std::string& text) = 0;
  virtual void printError(const std::string& text) = 0;
  // The log of a direct start that failed, where the platform shows it
  // beside the window.
  virtual void reportFailedStart(const std::vector<std::string>& lines) = 0;
  // False where no window can open (Linux without a display).
  virtual bool canShowWindows() = 0;
  // The front end, made when first asked for: a start that succeeds never
  // loads it.
  virtual DialogHost& dialogHost() = 0;
};

}  // namespace vs
