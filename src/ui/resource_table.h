// What a program hands its front end to build windows from: the dialog
// templates, the string table and the files of its icons and bitmaps. The
// front end looks things up by id and knows nothing else of the program.
#pragma once

#include <span>

#include "ui/dialog_template.h"

namespace vs {

struct StringResource {
  int id;
  const char* text;
};

struct ImageResource {
  int id;
  const char* file;  // name of the file in the program's resources
};

struct ResourceTable {
  std::span<const DialogTemplate* const> templates;
  std::span<const StringResource> strings;
  std::span<const ImageResource> icons;
  std::span<const ImageResource> bitmaps;

  // Each is nullptr when the table has no entry of that id.
  const DialogTemplate* findTemplate(int id) const;
  const char* findString(int id) const;
  const char* findIcon(int id) const;
  const char* findBitmap(int id) const;
};

}  // namespace vs
