// A bitmap at the size of its place: the dialog font's base units decide the
// place, and a font wider or taller than the template's must not leave a band
// of background beside the picture.
#include <QImage>

#include "ui/image_scaling.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

// 0x00RRGGBB from any picture.
Image readImage(const QImage& picture) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  Image image{source.width(), source.height(), {}};
  image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) image.pixels.push_back(line[x] & 0xFFFFFF);
  }
  return image;
}

}  // namespace

QImage makeImage(const Image& image, QImage::Format format) {
  const std::uint32_t opaque = format == QImage::Format_RGB32 ? 0xFF000000u : 0;
  QImage result(image.width, image.height, format);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < image.width; ++x) line[x] = opaque | image.at(x, y);
  }
  return result;
}

QPixmap bitmapForPlace(const QPixmap& bitmap, QSize place) {
  if (bitmap.isNull() || place.isEmpty() || bitmap.size() == place)
    return bitmap;
  const Image scaled = scaleImage(readImage(bitmap.toImage()), place.width(), place.height());
  return QPixmap::fromImage(makeImage(scaled, QImage::Format_RGB32));
}

}  // namespace vs
