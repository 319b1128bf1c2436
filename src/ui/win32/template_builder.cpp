// Windows from the .rc templates: the dialog manager builds the controls, and
// a check box grows to its text where the font runs wider than the template's.
#include <algorithm>
#include <vector>

#include "ui/win32/scoped_gdi.h"
#include "ui/win32/window.h"

namespace vs {
namespace {

// Room for a check box's focus frame beyond its text, in pixels.
constexpr int kFocusFrameWidth = 2;
// How close a grown check box may come to the dialog's right edge, and to a
// group box's right frame line, in pixels.
constexpr LONG kDialogEdgeMargin = 2;
constexpr LONG kGroupFrameMargin = 4;

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> childrenOf(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, &collectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

RECT rectIn(HWND dialog, HWND control) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool isOneLineCheckBox(HWND control) {
  char name[16] = {};
  ::GetClassNameA(control, name, sizeof name);
  const LONG style = ::GetWindowLongA(control, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  return lstrcmpiA(name, "Button") == 0 && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) &&
         (style & (BS_PUSHLIKE | BS_MULTILINE)) == 0;
}

bool isGroupBox(HWND control) {
  return (::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

int checkBoxWidthForText(HWND box) {
  char text[256] = {};
  ::GetWindowTextA(box, text, sizeof text);
  const WindowDc dc(box);
  const SelectedObject font(dc.get(),
                            reinterpret_cast<HFONT>(::SendMessageA(box, WM_GETFONT, 0, 0)));
  RECT extent{};
  ::DrawTextA(dc.get(), text, -1, &extent, DT_CALCRECT | DT_SINGLELINE);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc.get(), &metrics);
  // The box glyph, the gap after it and room for the focus frame.
  return (extent.right - extent.left) + ::GetSystemMetrics(SM_CXMENUCHECK) +
         metrics.tmAveCharWidth + kFocusFrameWidth;
}

// Grows each one-line check box whose text would be cut, as far as the next
// control on its row, the group box around it or the dialog's edge allow.
void Win32Window::fitCheckBoxesToText() {
  RECT client;
  ::GetClientRect(window_, &client);
  const std::vector<HWND> children = childrenOf(window_);
  for (HWND box : children) {
    if (!isOneLineCheckBox(box))
      continue;
    const RECT rect = rectIn(window_, box);
    const int needed = checkBoxWidthForText(box);
    if (rect.right - rect.left >= needed)
      continue;
    LONG limit = client.right - kDialogEdgeMargin;
    for (HWND other : children) {
      if (other == box)
        continue;
      const RECT beside = rectIn(window_, other);
      const bool sameRows = beside.top < rect.bottom && beside.bottom > rect.top;
      if (isGroupBox(other) && beside.left <= rect.left && beside.right > rect.left &&
          beside.top <= rect.top && beside.bottom >= rect.bottom)
        limit = std::min(limit, beside.right - kGroupFrameMargin);
      else if (sameRows && beside.left >= rect.right)
        limit = std::min(limit, beside.left - 1);
    }
    const LONG width = std::min<LONG>(needed, limit - rect.left);
    if (width > rect.right - rect.left)
      ::SetWindowPos(box, nullptr, 0, 0, width, rect.bottom - rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace vs
