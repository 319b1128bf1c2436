#include "core/mods/mod_list_rules.h"

namespace vs {

std::string itemText(const ModInfo& record) {
  std::string text;
  text.reserve(record.title.size() + record.version.size() + 3);
  text.append(record.title).append(" (").append(record.version).append(")");
  return text;
}

int imageIndex(const ModInfo& record, const std::string& loweredName, int imageCount) {
  int image = record.icon > 0 ? record.icon : 1;
  if (loweredName == "vornakgame.ini")
    image = 0;
  if (image >= imageCount)
    image = imageCount - 1;
  return image;
}

std::string modDescription(const ModInfo& record) {
  std::string text;
  if (!record.title.empty())
    text += "title: " + record.title;
  if (!record.version.empty())
    text += "\r\nversion: " + record.version;
  if (!record.authors.empty())
    text += "\r\nauthors: " + record.authors;
  if (!record.webpage.empty())
    text += "\r\nwebpage: " + record.webpage;
  text += "\r\n\r\n" + record.description;
  return text;
}

}  // namespace vs
