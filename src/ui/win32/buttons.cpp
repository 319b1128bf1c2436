// Check boxes, push buttons and the texts and visibility of any control.
#include "ui/win32/window.h"

namespace vs {

int Win32Window::checkState(int id) const {
  return static_cast<int>(send(id, BM_GETCHECK));
}

void Win32Window::setCheckState(int id, int state) {
  Quiet quiet(*this);
  send(id, BM_SETCHECK, static_cast<WPARAM>(state));
}

std::string Win32Window::text(int id) const {
  HWND control = item(id);
  const int length = ::GetWindowTextLengthA(control);
  if (length <= 0)
    return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(control, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// The exchange sets every text each time; setting the text a control
// already holds would move the caret and the scroll position.
void Win32Window::setText(int id, const std::string& text) {
  if (this->text(id) == text)
    return;
  Quiet quiet(*this);
  ::SetWindowTextA(item(id), text.c_str());
}

void Win32Window::setVisible(int id, bool visible) {
  Quiet quiet(*this);
  ::ShowWindow(item(id), visible ? SW_SHOW : SW_HIDE);
}

// The control's own flag: its parent may not be shown yet.
bool Win32Window::isVisible(int id) const {
  return (::GetWindowLongA(item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace vs
