#include "dialog/resources.h"

#include "dialog/about_entry_text.h"
#include "dialog/control_ids.h"

namespace vs {
namespace {

const DialogTemplate* const kTemplates[] = {&aboutTemplate(), &starterTemplate()};

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, VS_ABOUT_ENTRY_TEXT},
};

constexpr ImageResource kIcons[] = {
    {IDR_MAINFRAME, "VornakStarter.ico"},
};

constexpr ImageResource kBitmaps[] = {
    {IDB_MODIMAGES, "mod_images.bmp"},
    {IDB_BANNER, "banner.bmp"},
};

}  // namespace

const ResourceTable& starterResources() {
  static const ResourceTable table{kTemplates, kStrings, kIcons, kBitmaps};
  return table;
}

}  // namespace vs
