#include "mods/mod_info.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "mods/ini_line.h"

namespace vs {
namespace {

constexpr int kLineBuffer = 1024;

}  // namespace

ModInfo::ModInfo(std::string name) : ModInfo(name, name) {}

ModInfo::ModInfo(std::string name, const std::string& pathToOpen) : fileName(std::move(name)) {
  int keyCount = 0;
  bool headerSeen = false;
  std::FILE* file = std::fopen(pathToOpen.c_str(), "r");
  if (file != nullptr) {
    // A buffer of our own spares the stream's allocation and the size query
    // that goes with it; these files are small and read once.
    char streamBuffer[4096];
    std::setvbuf(file, streamBuffer, _IOFBF, sizeof streamBuffer);
    char buffer[kLineBuffer];
    // A failed read that leaves the end-of-file indicator unset still ends
    // the file: ferror stops the loop too.
    while (!std::feof(file) && !std::ferror(file)) {
      if (std::fgets(buffer, kLineBuffer, file) == nullptr)
        continue;
      const std::string_view piece(buffer, std::strlen(buffer));
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
