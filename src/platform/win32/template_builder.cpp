// Windows from the .rc templates: the dialog manager builds the controls, and
// the combo-box entries come from the template's initialisation data.
#include "platform/win32/host.h"
#include "platform/win32/resources.h"
#include "platform/win32/window.h"

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

void Win32Window::initialiseComboBoxes() {
  for (const ComboInitEntry& entry : loadDialogInit(host_.instance(), dialog_.templateId())) {
    if (entry.message == kDialogInitAddString || entry.message == CB_ADDSTRING)
      addComboEntry(entry.controlId, entry.text);
  }
}

}  // namespace vs
