// The mod list's context menu in the real dialog, asked for with the mouse
// and the keyboard as the system delivers them (SendInput).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/win32_game.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;

class RecordingShortcutMaker : public ShortcutMaker {
 public:
  ShortcutResult makeShortcut(const ShortcutRequest& request) override {
    requests.push_back(request);
    return {true, "C:\\Desktop\\" + request.title + ".lnk"};
  }
  std::vector<ShortcutRequest> requests;
};

// Acts on a context menu from inside its modal loop: writes down its entries
// and where it opened, then chooses its first entry or dismisses it. A menu
// still open a few seconds later is ended, so no test can hang in one.
class MenuDriver {
 public:
  struct Seen {
    std::vector<std::string> entries;
    POINT at;
  };
  explicit MenuDriver(bool choose) {
    state() = {choose};
    timer_ = ::SetTimer(nullptr, 0, 30, &MenuDriver::tick);
  }
  ~MenuDriver() {
    ::KillTimer(nullptr, timer_);
    if (state().ticksOpen > 0)
      ::EndMenu();
  }
  const std::vector<Seen>& seen() const { return state().seen; }
  bool menuOpen() const { return state().ticksOpen > 0; }

 private:
  static constexpr int kMostTicksOpen = 100;
  struct State {
    bool choose = false;
    int ticksOpen = 0;
    std::vector<Seen> seen;
  };
  static State& state() {
    static State current;
    return current;
  }
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    State& s = state();
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (popup == nullptr || !::IsWindowVisible(popup)) {
      s.ticksOpen = 0;
      return;
    }
    if (++s.ticksOpen > kMostTicksOpen) {
      ::EndMenu();
      return;
    }
    if (s.ticksOpen > 1)
      return;
    Seen seen{};
    auto menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      char text[64] = {};
      ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      seen.entries.push_back(text);
    }
    RECT rect{};
    ::GetWindowRect(popup, &rect);
    seen.at = {rect.left, rect.top};
    s.seen.push_back(seen);
    if (s.choose)
      ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, s.choose ? VK_RETURN : VK_ESCAPE, 0);
  }
  UINT_PTR timer_;
};

void sendInput(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
INPUT mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}
INPUT key(WORD code, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = code;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

class Win32ContextMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.writeMod("vornakgame.ini", "title=Vornak\nversion=1.08\nvdf=\n");
    game.writeMod("shores.ini", "title=Dark Shores\nversion=0.9\nvdf=\n");
    game.shortcuts = &shortcuts;
    game.open();
    ::SetForegroundWindow(game.hwnd());
    ::SetFocus(game.item(IDC_MODLIST));
    const auto items = game.items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].text == "Dark Shores (0.9)")
        shores = static_cast<int>(i);
  }
  // The centre of an item, on the screen.
  POINT itemCentre(int index) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    ::SendMessageA(game.item(IDC_MODLIST), LVM_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&rect));
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(game.item(IDC_MODLIST), &centre);
    return centre;
  }
  void rightClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    sendInput({mouse(MOUSEEVENTF_RIGHTDOWN), mouse(MOUSEEVENTF_RIGHTUP)});
  }
  // Delivers the input until a menu has come and gone, or for a while.
  void pumpUntilMenuHandled(const MenuDriver& driver) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline &&
           (driver.seen().empty() || driver.menuOpen())) {
      game.pump();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    game.pump();
  }

  Win32Game game;
  RecordingShortcutMaker shortcuts;
  int shores = -1;
};

TEST_F(Win32ContextMenuTest, TheMouseAndBothKeysOfferCreateShortcutForTheirItem) {
  struct Case {
    const char* way;
    std::function<POINT()> ask;  // where the menu should open
  };
  const Case cases[] = {
      {"a right click on the item",
       [&] {
         const POINT at{itemCentre(shores).x + 3, itemCentre(shores).y + 1};
         rightClickAt(at);
         return at;
       }},
      {"the menu key",
       [&] {
         game.clickItem(shores);
         sendInput({key(VK_APPS, false), key(VK_APPS, true)});
         return itemCentre(shores);
       }},
      {"Shift+F10",
       [&] {
         game.clickItem(shores);
         sendInput(
             {key(VK_SHIFT, false), key(VK_F10, false), key(VK_F10, true), key(VK_SHIFT, true)});
         return itemCentre(shores);
       }},
  };
  ASSERT_GE(shores, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    game.clickItem(shores == 0 ? 1 : 0);
    shortcuts.requests.clear();
    MenuDriver driver(true);
    const POINT at = c.ask();
    pumpUntilMenuHandled(driver);

    ASSERT_EQ(driver.seen().size(), 1u);
    EXPECT_THAT(driver.seen()[0].entries, ElementsAre("Create shortcut"));
    EXPECT_EQ(driver.seen()[0].at.x, at.x);
    EXPECT_EQ(driver.seen()[0].at.y, at.y);
    ASSERT_EQ(shortcuts.requests.size(), 1u);
    EXPECT_EQ(shortcuts.requests[0].title, "Dark Shores");
    EXPECT_EQ(shortcuts.requests[0].configuration, "shores.ini");
    EXPECT_EQ(shortcuts.requests[0].launcher, (game.root / "bin" / "VornakStarter.EXE").string());
    EXPECT_EQ(shortcuts.requests[0].folder, (game.root / "bin").string());
    EXPECT_EQ(game.logLines().back(), "Shortcut created: C:\\Desktop\\Dark Shores.lnk");
  }
}

TEST_F(Win32ContextMenuTest, NoItemOrADismissedMenuMakesNoShortcut) {
  RECT list{};
  ::GetWindowRect(game.item(IDC_MODLIST), &list);
  {
    MenuDriver driver(true);
    rightClickAt({list.right - 8, list.bottom - 8});  // below the two items
    pumpUntilMenuHandled(driver);
    EXPECT_TRUE(driver.seen().empty());
  }
  {
    MenuDriver driver(false);
    rightClickAt(itemCentre(shores));
    pumpUntilMenuHandled(driver);
    EXPECT_EQ(driver.seen().size(), 1u);
  }
  EXPECT_TRUE(shortcuts.requests.empty());
  EXPECT_TRUE(game.logLines().empty());
}

}  // namespace
}  // namespace vs::test
