// Copying the log: Ctrl+C while it has the focus and the "&Copy" entry of its
// context menu put all its lines on the clipboard, CR LF between them.
#include <gtest/gtest.h>

#include "support/win32_game.h"

namespace vs::test {
namespace {

std::string clipboardText() {
  if (!::OpenClipboard(nullptr))
    return "(clipboard not open)";
  std::string text = "(no text)";
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

void emptyClipboard() {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::CloseClipboard();
}

void pressWithControl(HWND window, WPARAM key, bool control) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = control ? 0x80 : 0;
  ::SetKeyboardState(keys);
  ::SendMessageA(window, WM_KEYDOWN, key, 0);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
}

// The entries of the context menu while it is open, and the one then chosen.
std::vector<std::string> menuSeen;

void CALLBACK chooseFirstEntry(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND popup = ::FindWindowA("#32768", nullptr);
  if (popup == nullptr)
    return;
  auto menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    menuSeen.push_back(text);
  }
  ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(Win32LogCopy, CtrlCAndTheContextMenuCopyEveryLine) {
  Win32Game game;
  game.open();
  HWND log = game.item(IDC_ARCHIVELOG);
  for (const char* line :
       {"CALLING \"vornakmod.exe\"", "   -game:a.ini -zwindow  ", "", "Error: Unknown"})
    game.window().addLine(IDC_ARCHIVELOG, line);
  const std::string all =
      "CALLING \"vornakmod.exe\"\r\n   -game:a.ini -zwindow  \r\n\r\nError: Unknown";

  emptyClipboard();
  pressWithControl(log, 'C', false);
  EXPECT_EQ(clipboardText(), "(no text)");
  pressWithControl(log, 'C', true);
  EXPECT_EQ(clipboardText(), all);

  emptyClipboard();
  menuSeen.clear();
  ::SetTimer(nullptr, 0, 100, &chooseFirstEntry);
  ::SendMessageA(log, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(log), MAKELPARAM(20, 20));
  EXPECT_EQ(menuSeen, std::vector<std::string>{"&Copy"});
  EXPECT_EQ(clipboardText(), all);

  // Nothing else about the log changed.
  EXPECT_EQ(game.logLines().size(), 4u);
}

}  // namespace
}  // namespace vs::test
