#include "ui/win32/host.h"

#include "ui/win32/resources.h"
#include "ui/win32/window.h"

namespace vs {

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
