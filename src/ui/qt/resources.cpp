// The program's icon and bitmaps, found by the file names the program's
// resource table gives under the ":/res/" prefix of the program's Qt resources.
#include <QFile>
#include <QImage>

#include "ui/qt/widgets.h"

namespace vs {
namespace {

QString resourcePath(const char* file) {
  return QStringLiteral(":/res/") + QString::fromLatin1(file);
}

}  // namespace

QIcon loadIcon(const ResourceTable& resources, int iconId) {
  const char* file = resources.findIcon(iconId);
  return file ? QIcon(resourcePath(file)) : QIcon();
}

QPixmap loadBitmap(const ResourceTable& resources, int bitmapId) {
  const char* file = resources.findBitmap(bitmapId);
  return file ? QPixmap(resourcePath(file)) : QPixmap();
}

}  // namespace vs
