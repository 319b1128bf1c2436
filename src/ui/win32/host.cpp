// The Win32 front end's dialog host: runs a dialog on its .rc template, modal
// or modeless, and keeps which window shows which dialog.
#include "ui/win32/host.h"

#include "ui/win32/resources.h"
#include "ui/win32/window.h"

namespace vs {

int Win32Host::runModal(Dialog& dialog, Dialog* owner) {
  Win32Window window(*this, dialog, true);
  const INT_PTR result =
      ::DialogBoxParamA(instance_, MAKEINTRESOURCEA(dialog.templateId()), windowOf(owner),
                        &Win32Window::dialogProcedure, reinterpret_cast<LPARAM>(&window));
  dialog.attachControls(nullptr);
  return static_cast<int>(result);
}

std::unique_ptr<Win32Window> Win32Host::open(Dialog& dialog, HWND owner) {
  auto window = std::make_unique<Win32Window>(*this, dialog, false);
  HWND made =
      ::CreateDialogParamA(instance_, MAKEINTRESOURCEA(dialog.templateId()), owner,
                           &Win32Window::dialogProcedure, reinterpret_cast<LPARAM>(window.get()));
  if (made == nullptr)
    return nullptr;
  return window;
}

std::string Win32Host::loadString(int id) const {
  return loadResourceString(instance_, id);
}

HWND Win32Host::windowOf(const Dialog* dialog) const {
  auto it = windows_.find(dialog);
  return it == windows_.end() ? nullptr : it->second->handle();
}

void Win32Host::track(const Dialog* dialog, Win32Window* window) {
  windows_[dialog] = window;
}

void Win32Host::untrack(const Dialog* dialog) {
  windows_.erase(dialog);
}

}  // namespace vs
