#include "core/mods/mod_info.h"

#include <string_view>
#include <utility>

#include "core/mods/ini_line.h"
#include "core/mods/line_pieces.h"

namespace vs {
namespace {

constexpr std::string_view kNoDescription = "no description available";

}  // namespace

ModInfo::ModInfo(std::string name) : ModInfo(name, name) {}

ModInfo::ModInfo(std::string name, const std::string& pathToOpen)
    : ModInfo(std::move(name), openWithStdio(pathToOpen).get()) {}

ModInfo::ModInfo(std::string name, ByteSource* text) : fileName(std::move(name)) {
  PieceBuffer buffer;
  read(text, buffer);
}

ModInfo::ModInfo(std::string name, ByteSource* text, PieceBuffer& buffer)
    : fileName(std::move(name)) {
  read(text, buffer);
}

// The description takes its default only when the file has none: most files
// have one, and the default would be a heap block thrown away.
void ModInfo::read(ByteSource* text, PieceBuffer& buffer) {
  int keyCount = 0;
  bool headerSeen = false;
  bool descriptionSeen = false;
  if (text != nullptr) {
    LinePieces pieces(*text, buffer);
    std::string_view piece;
    while (pieces.next(piece)) {
      if (!headerSeen) {
        headerSeen = isInfoHeader(piece);
        continue;
      }
      const auto line = viewKeyLine(piece);
      if (!line)
        continue;
      switch (line->key) {
        case IniKey::title:
          title.assign(line->value);
          ++keyCount;
          break;
        case IniKey::vdf:
          vdf.assign(line->value);
          ++keyCount;
          break;
        case IniKey::version:
          version.assign(line->value);
          break;
        case IniKey::description:
          description.assign(line->value);
          descriptionSeen = true;
          break;
        case IniKey::authors:
          authors.assign(line->value);
          break;
        case IniKey::webpage:
          webpage.assign(line->value);
          break;
        case IniKey::icon:
          icon = iniAtoi(line->value);
          break;
      }
    }
  }
  if (!descriptionSeen)
    description.assign(kNoDescription);
  valid = headerSeen && keyCount >= 2;
}

ModInfo::~ModInfo() = default;

}  // namespace vs
