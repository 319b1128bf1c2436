// A bitmap at the size of its place: the dialog font's base units decide the
// place, and a font wider or taller than the template's must not leave a band
// of background beside the picture.
#include <QImage>

#include "ui/image_scaling.h"
#include "ui/qt/widgets.h"

namespace vs {

QPixmap bitmapForPlace(const QPixmap& bitmap, QSize place) {
  if (bitmap.isNull() || place.isEmpty() || bitmap.size() == place)
    return bitmap;
  const QImage source = bitmap.toImage().convertToFormat(QImage::Format_RGB32);
  Image image{source.width(), source.height(), {}};
  image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) image.pixels.push_back(line[x] & 0xFFFFFF);
  }
  const Image scaled = scaleImage(image, place.width(), place.height());
  QImage result(scaled.width, scaled.height, QImage::Format_RGB32);
  for (int y = 0; y < scaled.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < scaled.width; ++x) line[x] = 0xFF000000u | scaled.at(x, y);
  }
  return QPixmap::fromImage(result);
}

}  // namespace vs
