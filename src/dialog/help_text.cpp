#include "dialog/help_text.h"

namespace vs {
namespace {

const char* const kHelpLines[] = {
    "It's recommended to start our Lumiq and enable Lumiq-logging when doing some of these "
    "actions:",
    "",
    "[x] Convert All",
    "This option will force a complete conversion of animations, meshes and textures. This will "
    "last a long time, so buy some beer and have fun with your friends :-)",
    "",
    "[x] Convert Textures",
    "Mmmh, this is clear, isn't it?! It's just for converting all textures.",
    "",
    "[x] Autoconvert Data",
    "Autoconvert will force Vornak to have a look at the source-files' date (animations, meshes, "
    "textures) and convert them if they are newer than their compiled companions. This might "
    "cause worse load-performance!",
    "",
    "[x] Reparse all",
    "Vornak will reparse all script-files (*.src) specified in the game-INI: content,menu,effect "
    "etc. It's time for a cup of tea while Vornak is reparsing.",
    "",
    "[x] Physical First",
    "This option forces Vornak to look first directly on the disk for files and only after "
    "failure in VDF-files. This is the opposite of the normal behaviour. This might cause worse "
    "load-performance!",
    "",
};

}  // namespace

std::string helpTitle() {
  return "Help about \"actions\"";
}

std::string helpText() {
  std::string text;
  for (const char* line : kHelpLines) text.append(line).append("\r\n");
  return text;
}

}  // namespace vs
