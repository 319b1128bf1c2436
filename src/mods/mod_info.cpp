#include "mods/mod_info.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "mods/ini_line.h"
#include "mods/line_pieces.h"

namespace vs {
ModInfo::ModInfo(std::string name) : ModInfo(name, name) {}

ModInfo::ModInfo(std::string name, const std::string& pathToOpen) : fileName(std::move(name)) {
  int keyCount = 0;
  bool headerSeen = false;
  std::FILE* file = std::fopen(pathToOpen.c_str(), "r");
  if (file != nullptr) {
    // The pieces are cut from large blocks of our own; the stream's buffer
    // would only copy them once more.
    std::setvbuf(file, nullptr, _IONBF, 0);
    LinePieces pieces(file);
    std::string_view piece;
    while (pieces.next(piece)) {
      if (!headerSeen) {
        headerSeen = isInfoHeader(piece);
        continue;
      }
      const auto line = parseKeyLine(piece);
      if (!line)
        continue;
      switch (line->key) {
        case IniKey::title:
          title = line->value;
          ++keyCount;
          break;
        case IniKey::vdf:
          vdf = line->value;
          ++keyCount;
          break;
        case IniKey::version:
          version = line->value;
          break;
        case IniKey::description:
          description = line->value;
          break;
        case IniKey::authors:
          authors = line->value;
          break;
        case IniKey::webpage:
          webpage = line->value;
          break;
        case IniKey::icon:
          icon = iniAtoi(line->value);
          break;
      }
    }
    std::fclose(file);
  }
  valid = headerSeen && keyCount >= 2;
}

ModInfo::~ModInfo() = default;

}  // namespace vs
