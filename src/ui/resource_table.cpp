#include "ui/resource_table.h"

namespace vs {
namespace {

const char* fileOf(std::span<const ImageResource> images, int id) {
  for (const ImageResource& image : images) {
    if (image.id == id)
      return image.file;
  }
  return nullptr;
}

}  // namespace

const DialogTemplate* ResourceTable::findTemplate(int id) const {
  for (const DialogTemplate* tmpl : templates) {
    if (tmpl->id == id)
      return tmpl;
  }
  return nullptr;
}

const char* ResourceTable::findString(int id) const {
  for (const StringResource& entry : strings) {
    if (entry.id == id)
      return entry.text;
  }
  return nullptr;
}

const char* ResourceTable::findIcon(int id) const {
  return fileOf(icons, id);
}

const char* ResourceTable::findBitmap(int id) const {
  return fileOf(bitmaps, id);
}

}  // namespace vs
