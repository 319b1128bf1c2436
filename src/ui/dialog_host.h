// What a front end offers to dialogs as a whole: running one modally and
// reading the program's string resources.
#pragma once

#include <string>

namespace vs {

class Dialog;

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Creates the dialog's window from its template, calls OnInitDialog, runs
  // until EndDialog and returns its result (-1 when the window cannot be made).
  virtual int runModal(Dialog& dialog, Dialog* owner) = 0;
  virtual std::string loadString(int id) const = 0;
};

}  // namespace vs
