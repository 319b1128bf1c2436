// Image lists: a bitmap strip cut into equal images, one colour transparent.
#include <QImage>

#include "ui/qt/host.h"
#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs {

ImageListHandle QtWindow::createImageList(int bitmapId, int imageWidth, int, ColourRef mask) {
  const QPixmap strip = loadBitmap(host_.resources(), bitmapId);
  if (strip.isNull() || imageWidth <= 0 || strip.width() < imageWidth)
    return kNoImageList;
  QImage image = strip.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = rgbOf(mask);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == transparent)
        line[x] = qRgba(0, 0, 0, 0);
    }
  }
  // Kept as icons, made once: every row showing an image shares its icon.
  std::vector<QIcon> images;
  for (int x = 0; x + imageWidth <= image.width(); x += imageWidth)
    images.emplace_back(QPixmap::fromImage(image.copy(x, 0, imageWidth, image.height())));
  imageLists_.push_back(std::move(images));
  return static_cast<ImageListHandle>(imageLists_.size() - 1);
}

int QtWindow::imageCount(ImageListHandle list) const {
  if (list < 0 || list >= static_cast<int>(imageLists_.size()))
    return 0;
  return static_cast<int>(imageLists_[list].size());
}

}  // namespace vs
