#include "mods/mod_info.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "mods/ini_line.h"

namespace vs {
namespace {

constexpr int kLineBuffer = 1024;

// A pipe would block the open and a device can read without end; neither is
// a description, so only regular files (or links to them) are opened.
bool isPlainFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

ModInfo::ModInfo(std::string name) : ModInfo(name, name) {}

ModInfo::ModInfo(std::string name, const std::string& pathToOpen) : fileName(std::move(name)) {
  int keyCount = 0;
  bool headerSeen = false;
  std::FILE* file = isPlainFile(pathToOpen) ? std::fopen(pathToOpen.c_str(), "r") : nullptr;
  if (file != nullptr) {
    char buffer[kLineBuffer];
    // A failed read that leaves the end-of-file indicator unset still ends
    // the file: ferror stops the loop too.
    while (!std::feof(file) && !std::ferror(file)) {
      if (std::fgets(buffer, kLineBuffer, file) == nullptr)
        continue;
      const std::string piece(buffer, std::strlen(buffer));
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
