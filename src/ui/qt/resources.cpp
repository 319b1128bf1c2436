// The program's icon and bitmaps, found by the file names the program's
// resource table gives under the ":/res/" prefix of the program's Qt resources.
#include "ui/qt/widgets.h"

namespace vs {
namespace {

// Empty when the table names no file.
QString artworkPath(const char* file) {
  return file != nullptr ? QStringLiteral(":/res/") + QString::fromLatin1(file) : QString();
}

}  // namespace

QIcon loadIcon(const ResourceTable& resources, int iconId) {
  const QString path = artworkPath(resources.findIcon(iconId));
  return path.isEmpty() ? QIcon() : QIcon(path);
}

QPixmap loadBitmap(const ResourceTable& resources, int bitmapId) {
  const QString path = artworkPath(resources.findBitmap(bitmapId));
  return path.isEmpty() ? QPixmap() : QPixmap(path);
}

}  // namespace vs
