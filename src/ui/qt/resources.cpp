// The program's icon and bitmaps, found by the file names the program's
// resource table gives under the ":/res/" prefix of the program's Qt resources.
#include <QFile>
#include <QImage>
#include <optional>
#include <string_view>

#include "ui/dib_images.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

// A file of the program's Qt resources: where it lies and its bytes.
struct Artwork {
  QString path;
  QByteArray bytes;

  std::string_view view() const {
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
};

// None when the table names no file.
std::optional<Artwork> readArtwork(const char* file) {
  if (file == nullptr)
    return std::nullopt;
  Artwork artwork{QStringLiteral(":/res/") + QString::fromLatin1(file), {}};
  QFile resource(artwork.path);
  if (resource.open(QIODevice::ReadOnly))
    artwork.bytes = resource.readAll();
  return artwork;
}

}  // namespace

// Our own artwork is read by our own reader; Qt's, which first looks through
// every image-format plugin, only reads what ours does not know.
QIcon loadIcon(const ResourceTable& resources, int iconId) {
  const auto artwork = readArtwork(resources.findIcon(iconId));
  if (!artwork)
    return QIcon();
  const auto images = decodeIcoFile(artwork->view());
  if (!images)
    return QIcon(artwork->path);
  QIcon icon;
  for (const Image& image : *images)
    icon.addPixmap(QPixmap::fromImage(makeImage(image, QImage::Format_ARGB32)));
  return icon;
}

QPixmap loadBitmap(const ResourceTable& resources, int bitmapId) {
  const auto artwork = readArtwork(resources.findBitmap(bitmapId));
  if (!artwork)
    return QPixmap();
  const auto image = decodeBmpFile(artwork->view());
  return image ? QPixmap::fromImage(makeImage(*image, QImage::Format_RGB32))
               : QPixmap(artwork->path);
}

}  // namespace vs
