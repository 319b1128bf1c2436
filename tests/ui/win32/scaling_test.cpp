// The main dialog at the screen's scale (the Win32 stage runs these at 96, 144
// and 192 DPI and names the scale in VS_EXPECT_DPI): every control where its
// template puts it in dialog units, the banner filling its static, and the
// list images at the scale's size with their white mask intact.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dialog/resources.h"
#include "support/win32_game.h"
#include "ui/win32/bitmap_scaling.h"
#include "ui/win32/scoped_gdi.h"

namespace vs::test {
namespace {

RECT placeOf(HWND dialog, HWND control) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// As the dialog manager converts a template: the corner and the size each.
RECT templatePlace(HWND dialog, const DialogRect& r) {
  RECT units{r.x, r.y, r.width, r.height};
  ::MapDialogRect(dialog, &units);
  return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

class Win32Scaling : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* expected = std::getenv("VS_EXPECT_DPI")) {
      ASSERT_EQ(screenDpi(), std::atoi(expected));
    }
    game.writeMod("vornakgame.ini", "title=Vornak\nversion=1.08\nvdf=\n");
    game.open();
  }
  Win32Game game;
};

TEST_F(Win32Scaling, EveryControlLiesOnItsTemplateRectangle) {
  const DialogTemplate& layout = starterTemplate();
  RECT client;
  ::GetClientRect(game.hwnd(), &client);
  const RECT whole = templatePlace(game.hwnd(), {0, 0, layout.width, layout.height});
  EXPECT_EQ(client.right, whole.right);
  EXPECT_EQ(client.bottom, whole.bottom);

  // The dialog manager makes the controls in template order, each below the last.
  HWND control = ::GetWindow(game.hwnd(), GW_CHILD);
  for (const ControlTemplate& c : layout.controls) {
    SCOPED_TRACE("control " + std::to_string(c.id) + " " + c.text);
    ASSERT_NE(control, nullptr);
    const RECT want = templatePlace(game.hwnd(), c.rect);
    const RECT got = placeOf(game.hwnd(), control);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    if (c.kind == ControlKind::checkBox) {
      EXPECT_GE(got.right, want.right);  // grown where the font runs wider
    } else {
      EXPECT_EQ(got.right, want.right);
    }
    // A combo box's template height is its dropped-down list's.
    if (c.kind != ControlKind::comboDropList) {
      EXPECT_EQ(got.bottom, want.bottom);
    }
    control = ::GetWindow(control, GW_HWNDNEXT);
  }
}

TEST_F(Win32Scaling, TheBannerFillsItsStatic) {
  HWND banner = game.item(IDC_BANNER);
  auto bitmap = reinterpret_cast<HBITMAP>(::SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(bitmap, nullptr);
  BITMAP shape{};
  ::GetObjectA(bitmap, sizeof shape, &shape);
  RECT client;
  ::GetClientRect(banner, &client);
  EXPECT_EQ(shape.bmWidth, client.right);
  EXPECT_EQ(shape.bmHeight, client.bottom);
  if (screenDpi() == 96) {  // the artwork's own size, not resampled
    const Image drawn = readBitmap(bitmap);
    const GdiObject<HBITMAP> artwork(static_cast<HBITMAP>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0)));
    const Image original = readBitmap(artwork.get());
    if (drawn.width == original.width && drawn.height == original.height) {
      EXPECT_EQ(drawn.pixels, original.pixels);
    }
  }
}

// Drawn on magenta, each image shows the artwork's own colours, scaled to the
// screen (at 96 DPI the artwork itself), and the background where it was white.
TEST_F(Win32Scaling, ListImagesShowTheArtworkAtTheScaleWithItsMask) {
  auto images = reinterpret_cast<HIMAGELIST>(
      ::SendMessageA(game.item(IDC_MODLIST), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(images, nullptr);
  const int size = ::MulDiv(24, screenDpi(), 96);
  int width = 0, height = 0;
  ::ImageList_GetIconSize(images, &width, &height);
  EXPECT_EQ(height, size);
  EXPECT_EQ(width, size);
  ASSERT_EQ(::ImageList_GetImageCount(images), 30);

  const GdiObject<HBITMAP> artwork(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MODIMAGES), IMAGE_BITMAP, 0, 0,
                   LR_CREATEDIBSECTION)));
  const Image expected = scaleStrip(readBitmap(artwork.get()), 24, size, size, 0xFFFFFF);
  ASSERT_EQ(expected.width, size * 30);

  const WindowDc screen(nullptr);
  const MemoryDc dc(screen.get());
  const GdiObject<HBITMAP> canvas(::CreateCompatibleBitmap(screen.get(), size * 30, size));
  {
    const SelectedObject drawing(dc.get(), canvas.get());
    const GdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(255, 0, 255)));
    const RECT all{0, 0, size * 30, size};
    ::FillRect(dc.get(), &all, brush.get());
    for (int i = 0; i < 30; ++i)
      ::ImageList_Draw(images, i, dc.get(), i * size, 0, ILD_TRANSPARENT);
  }
  const Image drawn = readBitmap(canvas.get());
  ASSERT_EQ(drawn.pixels.size(), expected.pixels.size());
  int wrong = 0, masked = 0;
  for (std::size_t i = 0; i < drawn.pixels.size(); ++i) {
    const bool mask = expected.pixels[i] == 0xFFFFFF;
    masked += mask;
    wrong += drawn.pixels[i] != (mask ? 0xFF00FFu : expected.pixels[i]);
  }
  EXPECT_EQ(wrong, 0) << "of " << drawn.pixels.size() << " pixels";
  EXPECT_GT(masked, size * size);  // the artwork has a mask to keep
}

}  // namespace
}  // namespace vs::test
