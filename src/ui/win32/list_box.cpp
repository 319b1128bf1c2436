// The list box that serves as the launcher's log: lines, and copying them all
// to the clipboard from its context menu or with Ctrl+C.
#include <cstring>

#include "ui/log_copy.h"
#include "ui/win32/window.h"

namespace vs {
namespace {

constexpr UINT_PTR kCopySubclass = 1;
constexpr UINT kCopyCommand = 1;

std::string allLines(HWND box) {
  const int count = static_cast<int>(::SendMessageA(box, LB_GETCOUNT, 0, 0));
  return joinLogLines<std::string>(count, [box](int i) {
    const LRESULT length = ::SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0)
      return std::string();
    std::string line(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    line.resize(std::strlen(line.c_str()));
    return line;
  });
}

// The lines are ANSI bytes, as CF_TEXT wants them; Windows makes the Unicode form.
void copyToClipboard(HWND owner, const std::string& text) {
  if (!::OpenClipboard(owner))
    return;
  ::EmptyClipboard();
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    if (::SetClipboardData(CF_TEXT, memory) == nullptr)
      ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

LRESULT CALLBACK copyableLog(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_MENU) >= 0) {
        copyToClipboard(box, allLines(box));
        return 0;
      }
      break;
    case WM_CONTEXTMENU: {
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1) {  // from the keyboard: at the box's corner
        RECT rect;
        ::GetWindowRect(box, &rect);
        at = {rect.left, rect.top};
      }
      HMENU menu = ::CreatePopupMenu();
      ::AppendMenuA(menu, MF_STRING, kCopyCommand, kCopyLogEntryText);
      const UINT chosen = static_cast<UINT>(
          ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, box, nullptr));
      ::DestroyMenu(menu);
      if (chosen == kCopyCommand)
        copyToClipboard(box, allLines(box));
      return 0;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(box, &copyableLog, kCopySubclass);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(box, message, wParam, lParam);
}

BOOL CALLBACK makeCopyable(HWND child, LPARAM) {
  char name[16] = {};
  ::GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "ListBox") == 0)
    ::SetWindowSubclass(child, &copyableLog, kCopySubclass, 0);
  return TRUE;
}

}  // namespace

void makeLogsCopyable(HWND dialog) {
  ::EnumChildWindows(dialog, &makeCopyable, 0);
}

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
