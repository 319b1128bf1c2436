// The mod list's context menu in the real dialog, asked for with the mouse
// and the keys as input from the devices.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/win32_game.h"

namespace vs::test {
namespace {

struct RecordingShortcutMaker : ShortcutMaker {
  ShortcutResult makeShortcut(const ShortcutRequest& request) override {
    requests.push_back(request);
    return {true, "C:\\Desktop\\" + request.title + ".lnk"};
  }
  std::vector<ShortcutRequest> requests;
};

// From inside the menu's modal loop: its entries and top-left corner are
// written down, then it is chosen or dismissed; one still open after two
// seconds is ended, so no test hangs in it.
std::vector<std::string> menuSeen;
POINT menuAt{};
bool chooseFirstEntry = true;
int ticksOpen = 0;

void CALLBACK driveMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = ::FindWindowA("#32768", nullptr);
  if (popup == nullptr || !::IsWindowVisible(popup)) {
    ticksOpen = 0;
  } else if (ticksOpen++ == 0) {
    auto menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      char text[64] = {};
      ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      menuSeen.push_back(text);
    }
    RECT rect{};
    ::GetWindowRect(popup, &rect);
    menuAt = {rect.left, rect.top};
    if (chooseFirstEntry)
      ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, chooseFirstEntry ? VK_RETURN : VK_ESCAPE, 0);
  } else if (ticksOpen > 100) {
    ::EndMenu();
  }
}

// Keys pressed in turn and released in reverse; none: a right click.
void press(const std::vector<WORD>& keys) {
  if (keys.empty()) {
    ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  }
  for (const WORD key : keys) ::keybd_event(static_cast<BYTE>(key), 0, 0, 0);
  for (auto key = keys.rbegin(); key != keys.rend(); ++key)
    ::keybd_event(static_cast<BYTE>(*key), 0, KEYEVENTF_KEYUP, 0);
}

TEST(Win32ContextMenu, TheMouseAndBothKeysOfferCreateShortcutForTheirItem) {
  Win32Game game;
  game.writeMod("vornakgame.ini", "title=Vornak\nversion=1.08\nvdf=\n");
  game.writeMod("shores.ini", "title=Dark Shores\nversion=0.9\nvdf=\n");
  RecordingShortcutMaker shortcuts;
  game.shortcuts = &shortcuts;
  game.open();
  ::SetForegroundWindow(game.hwnd());
  HWND list = game.item(IDC_MODLIST);
  const int shores = game.items()[0].text == "Dark Shores (0.9)" ? 0 : 1;
  RECT rect{LVIR_BOUNDS};
  ::SendMessageA(list, LVM_GETITEMRECT, shores, reinterpret_cast<LPARAM>(&rect));
  POINT item{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ::ClientToScreen(list, &item);
  ::GetWindowRect(list, &rect);
  const POINT pointer{item.x + 3, item.y + 1}, belowTheItems{rect.right - 8, rect.bottom - 8};

  struct Case {
    const char* way;
    std::vector<WORD> keys;
    POINT pointer;
    const POINT* menu;  // where it opens; nullptr: no menu
    bool choose;
  };
  const Case cases[] = {
      {"right click", {}, pointer, &pointer, true},
      {"menu key", {VK_APPS}, pointer, &item, true},
      {"Shift+F10", {VK_SHIFT, VK_F10}, pointer, &item, true},
      {"dismissed", {VK_APPS}, pointer, &item, false},
      {"no item", {}, belowTheItems, nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    ::SetFocus(list);
    game.clickItem(shores);
    shortcuts.requests.clear();
    menuSeen.clear();
    ticksOpen = 0;
    chooseFirstEntry = c.choose;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &driveMenu);
    ::SetCursorPos(c.pointer.x, c.pointer.y);
    press(c.keys);
    for (int i = 0; i < 100 && menuSeen.empty(); ++i) {
      game.pump();
      ::Sleep(10);
    }
    ::KillTimer(nullptr, timer);

    if (c.menu == nullptr) {
      EXPECT_TRUE(menuSeen.empty());
    } else {
      EXPECT_THAT(menuSeen, ::testing::ElementsAre("Create shortcut"));
      EXPECT_EQ(menuAt.x, c.menu->x);
      EXPECT_EQ(menuAt.y, c.menu->y);
    }
    ASSERT_EQ(shortcuts.requests.size(), c.menu != nullptr && c.choose ? 1u : 0u);
    if (shortcuts.requests.empty())
      continue;
    const ShortcutRequest& made = shortcuts.requests[0];
    EXPECT_EQ(made.title + "|" + made.configuration, "Dark Shores|shores.ini");
    EXPECT_EQ(made.launcher, (game.root / "bin" / "VornakStarter.EXE").string());
    EXPECT_EQ(made.folder, (game.root / "bin").string());
    EXPECT_EQ(game.logLines().back(), "Shortcut created: C:\\Desktop\\Dark Shores.lnk");
  }
}

}  // namespace
}  // namespace vs::test
