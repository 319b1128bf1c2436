// The program's bitmaps at the size of their places on screens of any scale:
// bitmap statics fill the rectangle their template gives them, and image
// lists grow with the screen's dots per inch. At 96 DPI, where the artwork's
// size is its place's, nothing is resampled.
#pragma once

#include <utility>
#include <vector>

#include "ui/image_scaling.h"
#include "ui/win32/win_api.h"

namespace vs {

// The screen's dots per inch as this process sees them (96 at 100%).
int screenDpi();

Image readBitmap(HBITMAP bitmap);
HBITMAP makeBitmap(const Image& image);  // a 24-bit DIB section; the caller deletes it

// Bitmap `bitmapId`, cut into images `imageWidth` wide with `mask` transparent,
// each image scaled to the screen's DPI.
HIMAGELIST loadScaledImageList(HINSTANCE instance, int bitmapId, int imageWidth, int grow,
                               COLORREF mask);

// A bitmap static shrinks to its bitmap as soon as it is made, so the size the
// dialog manager gave it from the template is seen while the dialog is being
// built; `fit` then gives each its bitmap at that size.
class BitmapPlaces {
 public:
  BitmapPlaces();  // watches the windows this thread creates
  ~BitmapPlaces();
  BitmapPlaces(const BitmapPlaces&) = delete;
  BitmapPlaces& operator=(const BitmapPlaces&) = delete;

  void fit();  // stops watching; call once the dialog's controls exist

 private:
  static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam);
  void stopWatching();

  HHOOK hook_ = nullptr;
  BitmapPlaces* outer_ = nullptr;
  std::vector<std::pair<HWND, SIZE>> places_;
  std::vector<HBITMAP> made_;
};

}  // namespace vs
