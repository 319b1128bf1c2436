// The Win32 front end: runs our dialogs on their .rc templates through the
// dialog manager, modally for the program and modeless for tests.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "ui/dialog_host.h"
#include "ui/win32/win_api.h"

namespace vs {

class Win32Window;

class Win32Host : public DialogHost {
 public:
  explicit Win32Host(HINSTANCE instance = ::GetModuleHandleA(nullptr)) : instance_(instance) {}

  // DialogBoxParamA on the dialog's template; the owner's window owns it.
  int runModal(Dialog& dialog, Dialog* owner) override;
  std::string loadString(int id) const override;

  // The same window made modeless (CreateDialogParamA), for a caller that
  // drives it with messages; nullptr when it cannot be made.
  std::unique_ptr<Win32Window> open(Dialog& dialog, HWND owner = nullptr);

  HINSTANCE instance() const { return instance_; }
  // The window a dialog is shown in, or nullptr.
  HWND windowOf(const Dialog* dialog) const;
  void track(const Dialog* dialog, Win32Window* window);
  void untrack(const Dialog* dialog);

 private:
  HINSTANCE instance_;
  std::map<const Dialog*, Win32Window*> windows_;
};

}  // namespace vs
