// The program's icon and bitmaps, compiled in from res/resources.qrc and found
// by the file names the program's resource table gives.
#include <QFile>
#include <QImage>

#include "ui/qt/widgets.h"

// The resource file sits in a static library: register it explicitly so the
// linker keeps it.
static void registerResources() {
  Q_INIT_RESOURCE(resources);
}

namespace vs {
namespace {

QString resourcePath(const char* file) {
  static const bool registered = (registerResources(), true);
  (void)registered;
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
