// The window messages and notifications our dialogs react to, and the shape of
// a static message table: {message, source control, handler}.
#pragma once

#include <cstdint>

namespace vs {

enum class Message {
  sysCommand,       // WM_SYSCOMMAND, wParam = command id
  paint,            // WM_PAINT
  queryDragIcon,    // WM_QUERYDRAGICON, result = icon id
  listClick,        // WM_NOTIFY NM_CLICK
  listDoubleClick,  // WM_NOTIFY NM_DBLCLK
  listContextMenu,  // WM_CONTEXTMENU on a list, lParam = the item (-1: none)
  buttonClicked,    // WM_COMMAND BN_CLICKED
  comboSelChange,   // WM_COMMAND CBN_SELCHANGE
};

struct MessageArgs {
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::intptr_t result = 0;
};

template <class D>
struct MessageEntry {
  Message message;
  int controlId;  // 0 for window messages
  void (D::*handler)(MessageArgs&);
};

// Finds the first entry for the message (and control, for notifications) and
// calls it; false when the table has none, so the caller falls back to defaults.
template <class D, std::size_t N>
bool dispatchMessage(const MessageEntry<D> (&table)[N], D& dialog, Message message, int controlId,
                     MessageArgs& args) {
  for (const auto& entry : table) {
    if (entry.message == message && entry.controlId == controlId) {
      (dialog.*entry.handler)(args);
      return true;
    }
  }
  return false;
}

}  // namespace vs
