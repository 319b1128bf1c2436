// The real main dialog from its .rc template, driven with window messages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "support/win32_game.h"
#include "ui/win32/resources.h"
#include "ui/win32/scoped_gdi.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;

struct MenuEntry {
  UINT id;
  UINT type;
  std::string text;
};

std::vector<MenuEntry> systemMenu(HWND window) {
  std::vector<MenuEntry> entries;
  HMENU menu = ::GetSystemMenu(window, FALSE);
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char buffer[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = sizeof buffer;
    ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    entries.push_back({info.wID, info.fType, buffer});
  }
  return entries;
}

class Win32DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.writeMod("vornakgame.ini", "title=Vornak\nversion=1.08\nvdf=\n");
    game.writeMod("shores.ini",
                  "title=Dark Shores\nversion=0.9\nicon=5\ndescription=Two archives\n"
                  "vdf=shores.mod shores_music.mod\n");
  }
  Win32Game game;
};

TEST_F(Win32DialogTest, StartsWithCaptionMenuIconsAndTheDefaults) {
  game.open();
  EXPECT_EQ(game.caption(), "VornakStarter v1.13");

  const auto menu = systemMenu(game.hwnd());
  ASSERT_GE(menu.size(), 2u);
  EXPECT_EQ(menu[menu.size() - 2].type & MFT_SEPARATOR, static_cast<UINT>(MFT_SEPARATOR));
  EXPECT_EQ(menu.back().id, 16u);
  EXPECT_EQ(menu.back().text, "&About VornakStarter...");

  HICON icon = loadResourceIcon(game.host.instance(), IDR_MAINFRAME);
  EXPECT_EQ(::SendMessageA(game.hwnd(), WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(::SendMessageA(game.hwnd(), WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(icon));

  EXPECT_THAT(game.comboEntries(IDC_SPYLEVEL), ElementsAre("none", "some", "more", "many", "all"));
  EXPECT_THAT(game.comboEntries(IDC_APPLICATION), ElementsAre("Vornak", "Morlex"));
  EXPECT_EQ(game.comboSelection(IDC_SPYLEVEL), 0);
  EXPECT_EQ(game.comboSelection(IDC_APPLICATION), 0);
  EXPECT_EQ(game.text(kIdOk), "Start Vornak");
  EXPECT_EQ(game.text(IDC_PARAMETERS), "");
  for (int id : {IDC_NOMUSIC, IDC_NOSOUND, IDC_WINDOWED, IDC_DEVELOPMENT})
    EXPECT_EQ(game.checked(id), BST_UNCHECKED) << id;
}

RECT rectInDialog(HWND dialog, int id) {
  RECT rect;
  ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Wine's stand-in for the template's font is wider: the check boxes grow to
// their text without running into their neighbours.
TEST_F(Win32DialogTest, CheckBoxesShowTheirWholeTextAndOverlapNothing) {
  game.open();
  const int boxes[] = {IDC_NOMUSIC,     IDC_NOSOUND,    IDC_WINDOWED,       IDC_REPARSE,
                       IDC_AUTOCONVERT, IDC_CONVERTALL, IDC_CONVERTTEXTURES};
  const int others[] = {IDC_MODLIST,       kIdOk,
                        kIdCancel,         IDC_DESCRIPTION,
                        IDC_PARAMETERS,    IDC_DEVELOPMENT,
                        IDC_PHYSICALFIRST, IDC_SPYLEVEL_LABEL,
                        IDC_SPYLEVEL,      IDC_APPLICATION_LABEL,
                        IDC_APPLICATION,   IDC_HELP_BUTTON};
  RECT client;
  ::GetClientRect(game.hwnd(), &client);
  for (const int id : boxes) {
    SCOPED_TRACE(id);
    const RECT box = rectInDialog(game.hwnd(), id);
    EXPECT_GE(box.right - box.left, checkBoxWidthForText(::GetDlgItem(game.hwnd(), id)));
    EXPECT_LE(box.right, client.right);
    for (const int other : others) {
      const RECT beside = rectInDialog(game.hwnd(), other);
      RECT overlap;
      EXPECT_FALSE(::IntersectRect(&overlap, &box, &beside)) << "overlaps " << other;
    }
    for (const int other : boxes) {
      const RECT beside = rectInDialog(game.hwnd(), other);
      RECT overlap;
      if (other != id) {
        EXPECT_FALSE(::IntersectRect(&overlap, &box, &beside)) << "overlaps " << other;
      }
    }
  }
}

TEST_F(Win32DialogTest, ListsTheModsWithTheirImagesAndDescribesTheFirst) {
  game.open();
  const auto items = game.items();
  ASSERT_EQ(items.size(), 2u);
  // The search order is the system's; find each by its text.
  for (const auto& item : items) {
    if (item.text == "Vornak (1.08)") {
      EXPECT_EQ(item.image, 0);
    } else {
      EXPECT_EQ(item.text, "Dark Shores (0.9)");
      EXPECT_EQ(item.image, 5);
    }
  }
  EXPECT_TRUE(items[0].selected);
  EXPECT_FALSE(items[1].selected);

  auto images = reinterpret_cast<HIMAGELIST>(
      ::SendMessageA(game.item(IDC_MODLIST), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(::ImageList_GetImageCount(images), 30);
  int width = 0, height = 0;
  ::ImageList_GetIconSize(images, &width, &height);
  EXPECT_EQ(width, 24);
  EXPECT_EQ(height, 24);

  const std::string first = items[0].text == "Vornak (1.08)"
                                ? "title: Vornak\r\nversion: 1.08\r\n\r\nno description available"
                                : "title: Dark Shores\r\nversion: 0.9\r\n\r\nTwo archives";
  EXPECT_EQ(game.text(IDC_DESCRIPTION), first);
}

TEST_F(Win32DialogTest, AClickDescribesTheClickedItemAndIsRemembered) {
  game.open();
  const int shores = game.items()[0].text == "Dark Shores (0.9)" ? 0 : 1;
  game.clickItem(shores);
  EXPECT_EQ(game.text(IDC_DESCRIPTION), "title: Dark Shores\r\nversion: 0.9\r\n\r\nTwo archives");
  EXPECT_EQ(game.dialog().selectedItem, shores);
  game.clickItem(1 - shores);
  EXPECT_EQ(game.dialog().selectedItem, 1 - shores);
  EXPECT_THAT(game.text(IDC_DESCRIPTION), ::testing::StartsWith("title: Vornak\r\n"));
}

// Every exchange sets every control; one that changes nothing must leave
// the caret where the player put it.
TEST_F(Win32DialogTest, AnExchangeThatChangesNothingKeepsTheCaret) {
  game.open();
  game.type(IDC_PARAMETERS, "-a -b");
  ::SendMessageA(game.item(IDC_PARAMETERS), EM_SETSEL, 2, 2);
  game.dialog().UpdateData(true);
  game.dialog().UpdateData(false);
  DWORD start = 0, end = 0;
  ::SendMessageA(game.item(IDC_PARAMETERS), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 2u);
  game.dialog().parameters = "-c";
  game.dialog().UpdateData(false);
  EXPECT_EQ(game.text(IDC_PARAMETERS), "-c");
}

TEST_F(Win32DialogTest, TheDevelopmentButtonSwitchesBetweenTheTwoFaces) {
  game.open();
  const int developmentControls[] = {IDC_ACTIONS,           IDC_CONVERTALL, IDC_CONVERTTEXTURES,
                                     IDC_PHYSICALFIRST,     IDC_REPARSE,    IDC_AUTOCONVERT,
                                     IDC_SPYLEVEL_LABEL,    IDC_SPYLEVEL,   IDC_APPLICATION,
                                     IDC_APPLICATION_LABEL, IDC_HELP_BUTTON};
  EXPECT_TRUE(game.visible(IDC_ARCHIVELOG));
  for (int id : developmentControls) EXPECT_FALSE(game.visible(id)) << id;

  game.click(IDC_DEVELOPMENT);
  EXPECT_EQ(game.checked(IDC_DEVELOPMENT), BST_CHECKED);
  EXPECT_FALSE(game.visible(IDC_ARCHIVELOG));
  for (int id : developmentControls) EXPECT_TRUE(game.visible(id)) << id;

  game.click(IDC_DEVELOPMENT);
  EXPECT_TRUE(game.visible(IDC_ARCHIVELOG));
  EXPECT_FALSE(game.visible(IDC_HELP_BUTTON));
}

TEST_F(Win32DialogTest, TheApplicationChoiceSetsTheStartCaptionOnlyWhenTheUserMakesIt) {
  game.open();
  game.selectCombo(IDC_APPLICATION, 1);
  EXPECT_EQ(game.text(kIdOk), "Start Morlex");
  game.selectCombo(IDC_APPLICATION, 0);
  EXPECT_EQ(game.text(kIdOk), "Start Vornak");

  // A selection made from code sends no CBN_SELCHANGE: the caption stays.
  game.dialog().startApp = 1;
  game.dialog().UpdateData(false);
  EXPECT_EQ(game.comboSelection(IDC_APPLICATION), 1);
  EXPECT_EQ(game.text(kIdOk), "Start Vornak");
}

TEST_F(Win32DialogTest, SystemCommandSixteenShowsTheAboutBoxOverTheDialog) {
  game.open();
  std::vector<std::string> texts;
  HWND owner = nullptr;
  {
    WhenWindowAppears about("About VornakStarter", [&](HWND box) {
      texts = staticTexts(box);
      owner = ::GetWindow(box, GW_OWNER);
    });
    const int before = WhenWindowAppears::seen();
    game.systemCommand(0x10);
    EXPECT_EQ(WhenWindowAppears::seen(), before + 1);
  }
  EXPECT_THAT(texts,
              ElementsAre("VornakStarter Version 1.13", "Starts Vornak, Morlex and their mods"));
  EXPECT_EQ(owner, game.hwnd());
  EXPECT_FALSE(game.window().ended());
  {
    WhenWindowAppears again("About VornakStarter", [](HWND) {});
    const int before = WhenWindowAppears::seen();
    game.systemCommand(0x1F);
    EXPECT_EQ(WhenWindowAppears::seen(), before + 1);
  }
}

TEST_F(Win32DialogTest, TheHelpButtonShowsOneMessageBox) {
  game.open();
  game.click(IDC_DEVELOPMENT);
  std::vector<std::string> texts;
  WhenWindowAppears help("Help about \"actions\"", [&](HWND box) { texts = staticTexts(box); });
  const int before = WhenWindowAppears::seen();
  game.click(IDC_HELP_BUTTON);
  EXPECT_EQ(WhenWindowAppears::seen(), before + 1);
  ASSERT_FALSE(texts.empty());
  EXPECT_NE(texts.back().find("convert"), std::string::npos) << texts.back();
}

TEST_F(Win32DialogTest, TheCloseCommandSavesAndEndsWithCancel) {
  game.open();
  game.click(IDC_WINDOWED);
  game.systemCommand(kScClose);
  game.pump();
  EXPECT_TRUE(game.window().ended());
  EXPECT_EQ(game.window().result(), kIdCancel);
  EXPECT_EQ(game.memoryStore.values.at("windowed").data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
}

TEST_F(Win32DialogTest, EnterStartsAndEscapeExits) {
  game.open();
  game.clickItem(0);
  game.command(kIdOk);
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].program, "vornakmod.exe");
  EXPECT_FALSE(game.window().ended());
  game.command(kIdCancel);
  EXPECT_TRUE(game.window().ended());
  EXPECT_EQ(game.memoryStore.writes.size(), 9u);  // eight values, one commit
}

// The pixels the icon covers where it is drawn at `at` in a window of `size`:
// drawn over black and over white, a covered pixel is the same in both.
std::vector<std::pair<POINT, COLORREF>> iconPixels(HICON icon, Size size, Size at) {
  const WindowDc screen(nullptr);
  const MemoryDc memory(screen.get());
  HDC dc = memory.get();
  std::vector<std::pair<POINT, COLORREF>> covered;
  std::vector<COLORREF> overBlack;
  for (int brush : {BLACK_BRUSH, WHITE_BRUSH}) {
    const GdiObject<HBITMAP> canvas(
        ::CreateCompatibleBitmap(screen.get(), size.width, size.height));
    const SelectedObject drawing(dc, canvas.get());
    RECT all{0, 0, size.width, size.height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(brush)));
    ::DrawIcon(dc, at.width, at.height, icon);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        const COLORREF pixel = ::GetPixel(dc, x, y);
        if (brush == BLACK_BRUSH)
          overBlack.push_back(pixel);
        else if (overBlack[static_cast<std::size_t>(y * size.width + x)] == pixel)
          covered.push_back({POINT{x, y}, pixel});
      }
    }
  }
  return covered;
}

// Counts the icon-background erasures a window asks for: the dialog draws its
// minimised face itself, and only then.
WNDPROC originalProcedure = nullptr;
int iconErasures = 0;
LRESULT CALLBACK countIconErasures(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ICONERASEBKGND)
    ++iconErasures;
  return ::CallWindowProcA(originalProcedure, window, message, wParam, lParam);
}

int iconErasuresOfOnePaint(HWND window) {
  iconErasures = 0;
  ::InvalidateRect(window, nullptr, TRUE);
  ::SendMessageA(window, WM_PAINT, 0, 0);
  return iconErasures;
}

TEST_F(Win32DialogTest, MinimisedItPaintsItsIcon) {
  Win32Window& w = game.open();
  // Drawn through the control interface, the icon's pixels show in the window.
  RECT client{};
  ::GetClientRect(game.hwnd(), &client);
  const Size size{client.right, client.bottom};
  const Size at{40, 30};
  const auto expected = iconPixels(loadResourceIcon(game.host.instance(), IDR_MAINFRAME), size, at);
  ASSERT_FALSE(expected.empty());
  w.drawIcon(IDR_MAINFRAME, at.width, at.height);
  const WindowDc dc(game.hwnd());
  std::size_t missing = 0;
  for (const auto& [point, colour] : expected)
    missing += ::GetPixel(dc.get(), point.x, point.y) != colour;
  EXPECT_EQ(missing, 0u) << "of " << expected.size() << " icon pixels";

  // A paint draws the face only while minimised (where and which icon: the
  // dialog's rule, tested on the headless host).
  originalProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      game.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countIconErasures)));
  EXPECT_EQ(iconErasuresOfOnePaint(game.hwnd()), 0);
  ::ShowWindow(game.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(::IsIconic(game.hwnd()));
  EXPECT_EQ(iconErasuresOfOnePaint(game.hwnd()), 1);
  ::SetWindowLongPtrA(game.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProcedure));
}

// A colour whose red and blue differ: read in the wrong byte order, the mask
// would miss it.
TEST_F(Win32DialogTest, TheMaskColourIsAColourRefWithRedInTheLowByte) {
  Win32Window& w = game.open();
  const MemoryDc memory(nullptr);
  HDC dc = memory.get();
  const GdiObject<HBITMAP> strip(static_cast<HBITMAP>(::LoadImageA(
      ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MODIMAGES), IMAGE_BITMAP, 0, 0, 0)));
  const GdiObject<HBITMAP> canvas(::CreateCompatibleBitmap(WindowDc(nullptr).get(), 24, 24));
  const GdiObject<HBRUSH> green(::CreateSolidBrush(RGB(0, 255, 0)));
  std::optional<SelectedObject> selected(std::in_place, dc, strip.get());
  POINT at{-1, -1};
  for (int y = 0; y < 24 && at.x < 0; ++y) {
    for (int x = 0; x < 720 && at.x < 0; ++x) {
      if (::GetPixel(dc, x, y) == RGB(230, 40, 30))
        at = {x, y};
    }
  }
  ASSERT_GE(at.x, 0);
  w.setSmallImageList(IDC_MODLIST, w.createImageList(IDB_MODIMAGES, 24, 4, colourRef(230, 40, 30)));
  auto images = reinterpret_cast<HIMAGELIST>(
      ::SendMessageA(game.item(IDC_MODLIST), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(images, nullptr);
  // Drawn over green, a masked pixel shows the green.
  selected.emplace(dc, canvas.get());
  RECT all{0, 0, 24, 24};
  ::FillRect(dc, &all, green.get());
  ::ImageList_Draw(images, at.x / 24, dc, 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(::GetPixel(dc, at.x % 24, at.y), RGB(0, 255, 0));
}

}  // namespace
}  // namespace vs::test
