// The program's icon and bitmaps, found by the file names the program's
// resource table gives under the ":/res/" prefix of the program's Qt resources.
#include <QFile>
#include <QImage>
#include <string_view>

#include "ui/dib_images.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

QString resourcePath(const char* file) {
  return QStringLiteral(":/res/") + QString::fromLatin1(file);
}

QByteArray resourceBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage toQImage(const Image& image, QImage::Format format) {
  QImage result(image.width, image.height, format);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < image.width; ++x)
      line[x] = format == QImage::Format_RGB32 ? 0xFF000000u | image.at(x, y) : image.at(x, y);
  }
  return result;
}

}  // namespace

// Our own artwork is read by our own reader; Qt's, which first looks through
// every image-format plugin, only reads what ours does not know.
QIcon loadIcon(const ResourceTable& resources, int iconId) {
  const char* file = resources.findIcon(iconId);
  if (file == nullptr)
    return QIcon();
  const QString path = resourcePath(file);
  const QByteArray bytes = resourceBytes(path);
  const auto images = decodeIcoFile(std::string_view(bytes.constData(), bytes.size()));
  if (!images)
    return QIcon(path);
  QIcon icon;
  for (const Image& image : *images)
    icon.addPixmap(QPixmap::fromImage(toQImage(image, QImage::Format_ARGB32)));
  return icon;
}

QPixmap loadBitmap(const ResourceTable& resources, int bitmapId) {
  const char* file = resources.findBitmap(bitmapId);
  if (file == nullptr)
    return QPixmap();
  const QString path = resourcePath(file);
  const QByteArray bytes = resourceBytes(path);
  const auto image = decodeBmpFile(std::string_view(bytes.constData(), bytes.size()));
  return image ? QPixmap::fromImage(toQImage(*image, QImage::Format_RGB32)) : QPixmap(path);
}

}  // namespace vs
