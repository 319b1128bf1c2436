// Image lists made from bitmap resources at the screen's scale; our handle is
// an index into the lists this window made.
#include "ui/win32/bitmap_scaling.h"
#include "ui/win32/host.h"
#include "ui/win32/window.h"

namespace vs {

ImageListHandle Win32Window::createImageList(int bitmapId, int imageWidth, int grow,
                                             ColourRef mask) {
  const COLORREF transparent = RGB(redOf(mask), greenOf(mask), blueOf(mask));
  HIMAGELIST list = loadScaledImageList(host_.instance(), bitmapId, imageWidth, grow, transparent);
  if (list == nullptr)
    return kNoImageList;
  imageLists_.push_back(list);
  return static_cast<ImageListHandle>(imageLists_.size() - 1);
}

int Win32Window::imageCount(ImageListHandle list) const {
  if (list < 0 || list >= static_cast<int>(imageLists_.size()))
    return 0;
  return ::ImageList_GetImageCount(imageLists_[list]);
}

}  // namespace vs
