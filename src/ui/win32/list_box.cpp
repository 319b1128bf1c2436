// The list box that serves as the launcher's log.
#include "ui/win32/window.h"

namespace vs {

void Win32Window::addLine(int id, const std::string& line) {
  Quiet quiet(*this);
  send(id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void Win32Window::clearLines(int id) {
  Quiet quiet(*this);
  send(id, LB_RESETCONTENT);
}

// The moves run inside one handler: each line shows before the next move.
void Win32Window::repaintNow(int id) {
  ::UpdateWindow(item(id));
}

}  // namespace vs
