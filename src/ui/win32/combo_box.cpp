// Drop-down lists: entries from the template's initialisation data, a
// selection of -1 for none.
#include "ui/win32/host.h"
#include "ui/win32/resources.h"
#include "ui/win32/window.h"

namespace vs {

void Win32Window::initialiseComboBoxes() {
  for (const ComboInitEntry& entry : loadDialogInit(host_.instance(), dialog_.templateId())) {
    if (entry.message == kDialogInitAddString || entry.message == CB_ADDSTRING)
      addComboEntry(entry.controlId, entry.text);
  }
}

void Win32Window::addComboEntry(int id, const std::string& entry) {
  Quiet quiet(*this);
  send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

int Win32Window::comboCount(int id) const {
  const auto count = send(id, CB_GETCOUNT);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

int Win32Window::comboSelection(int id) const {
  const auto selection = send(id, CB_GETCURSEL);
  return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void Win32Window::setComboSelection(int id, int index) {
  Quiet quiet(*this);
  // An index outside the list clears the selection, whatever the control
  // would do with it.
  if (index < 0 || index >= comboCount(id))
    index = -1;
  send(id, CB_SETCURSEL, static_cast<WPARAM>(index));
}

}  // namespace vs
