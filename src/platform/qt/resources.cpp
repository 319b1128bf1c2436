// The program's icon, bitmaps and strings, compiled in from res/resources.qrc.
#include <QFile>
#include <QImage>

#include "dialog/control_ids.h"
#include "platform/qt/widgets.h"

// The resource file sits in a static library: register it explicitly so the
// linker keeps it.
static void registerResources() {
  Q_INIT_RESOURCE(resources);
}

namespace vs {
namespace {

struct ResourceFile {
  int id;
  const char* path;
};

constexpr ResourceFile kIcons[] = {
    {IDR_MAINFRAME, ":/res/VornakStarter.ico"},
};

constexpr ResourceFile kBitmaps[] = {
    {IDB_MODIMAGES, ":/res/mod_images.bmp"},
    {IDB_BANNER, ":/res/banner.bmp"},
};

struct StringResource {
  int id;
  const char* text;
};

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, "&About VornakStarter..."},
};

template <std::size_t N>
const char* pathOf(const ResourceFile (&table)[N], int id) {
  for (const auto& entry : table) {
    if (entry.id == id)
      return entry.path;
  }
  return nullptr;
}

void ensureRegistered() {
  static const bool registered = (registerResources(), true);
  (void)registered;
}

}  // namespace

QIcon loadIcon(int iconId) {
  ensureRegistered();
  const char* path = pathOf(kIcons, iconId);
  return path ? QIcon(QString::fromLatin1(path)) : QIcon();
}

QPixmap loadBitmap(int bitmapId) {
  ensureRegistered();
  const char* path = pathOf(kBitmaps, bitmapId);
  return path ? QPixmap(QString::fromLatin1(path)) : QPixmap();
}

std::string loadStringResource(int stringId) {
  for (const auto& entry : kStrings) {
    if (entry.id == stringId)
      return entry.text;
  }
  return {};
}

}  // namespace vs
