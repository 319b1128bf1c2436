#include "ui/win32/bitmap_scaling.h"

#include "ui/colour_ref.h"
#include "ui/win32/scoped_gdi.h"

namespace vs {
namespace {

constexpr int kArtworkDpi = 96;

thread_local BitmapPlaces* watching = nullptr;

BITMAPINFO topDownInfo(int width, int height, WORD bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

bool isBitmapStatic(HWND window) {
  char name[16] = {};
  ::GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, "Static") == 0 &&
         (::GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

}  // namespace

int screenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kArtworkDpi;
}

// 32-bit pixels in memory order blue, green, red, unused: 0x00RRGGBB.
Image readBitmap(HBITMAP bitmap) {
  BITMAP shape{};
  if (::GetObjectA(bitmap, sizeof shape, &shape) == 0)
    return {};
  Image image{shape.bmWidth, shape.bmHeight,
              std::vector<std::uint32_t>(static_cast<std::size_t>(shape.bmWidth) * shape.bmHeight)};
  BITMAPINFO info = topDownInfo(image.width, image.height, 32);
  const int rows = ::GetDIBits(WindowDc(nullptr).get(), bitmap, 0, static_cast<UINT>(image.height),
                               image.pixels.data(), &info, DIB_RGB_COLORS);
  if (rows != image.height)
    return {};
  for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFF;
  return image;
}

// 24 bits, not 32: a static control copies a 32-bit bitmap it takes for one
// with transparency, and the copy would be nobody's to delete.
HBITMAP makeBitmap(const Image& image) {
  BITMAPINFO info = topDownInfo(image.width, image.height, 24);
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr)
    return nullptr;
  const int stride = (image.width * 3 + 3) & ~3;
  auto* rows = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* out = rows + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      *out++ = pixel & 0xFF;
      *out++ = (pixel >> 8) & 0xFF;
      *out++ = (pixel >> 16) & 0xFF;
    }
  }
  ::GdiFlush();
  return bitmap;
}

// Made at 24 bits at every scale: ImageList_LoadImage would make the list at
// the default depth, which has only 16 colours.
HIMAGELIST loadScaledImageList(HINSTANCE instance, int bitmapId, int imageWidth, int grow,
                               COLORREF mask) {
  const GdiObject<HBITMAP> strip(static_cast<HBITMAP>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  const Image source = strip.get() != nullptr ? readBitmap(strip.get()) : Image{};
  if (imageWidth <= 0 || source.width < imageWidth)
    return nullptr;
  const int dpi = screenDpi();
  const int width = ::MulDiv(imageWidth, dpi, kArtworkDpi);
  const int height = ::MulDiv(source.height, dpi, kArtworkDpi);
  const Image scaled = scaleStrip(source, imageWidth, width, height, rgbOf(mask));
  // The list keeps a copy of the pixels.
  const GdiObject<HBITMAP> bitmap(makeBitmap(scaled));
  HIMAGELIST list =
      ::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, source.width / imageWidth, grow);
  if (list != nullptr && bitmap.get() != nullptr)
    ::ImageList_AddMasked(list, bitmap.get(), mask);
  return list;
}

BitmapPlaces::BitmapPlaces()
    : hook_(::SetWindowsHookExA(WH_CBT, &BitmapPlaces::watch, nullptr, ::GetCurrentThreadId())),
      outer_(watching) {
  watching = this;
}

BitmapPlaces::~BitmapPlaces() {
  stopWatching();
  for (HBITMAP bitmap : made_) ::DeleteObject(bitmap);
}

void BitmapPlaces::stopWatching() {
  if (hook_ != nullptr)
    ::UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  if (watching == this)
    watching = outer_;
}

LRESULT CALLBACK BitmapPlaces::watch(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && watching != nullptr) {
    auto* window = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTA* made = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (made->hwndParent != nullptr && isBitmapStatic(window))
      watching->places_.push_back({window, SIZE{made->cx, made->cy}});
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void BitmapPlaces::fit() {
  stopWatching();
  for (const auto& [window, place] : places_) {
    auto current = reinterpret_cast<HBITMAP>(::SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP shape{};
    if (current == nullptr || ::GetObjectA(current, sizeof shape, &shape) == 0 ||
        (shape.bmWidth == place.cx && shape.bmHeight == place.cy) || place.cx <= 0 || place.cy <= 0)
      continue;
    HBITMAP scaled = makeBitmap(scaleImage(readBitmap(current), place.cx, place.cy));
    if (scaled == nullptr)
      continue;
    made_.push_back(scaled);
    // The static takes the new size; the bitmap it loaded itself stays its own.
    ::SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled));
  }
  places_.clear();
}

}  // namespace vs
