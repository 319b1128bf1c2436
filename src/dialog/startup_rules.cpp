#include "dialog/startup_rules.h"

#include "core/text/path_parts.h"
#include "dialog/version.h"

namespace vs {

std::optional<std::string> programDirectory(const std::string& executablePath) {
  // A program right under the root has no directory of its own to go to.
  if (nameStart(executablePath, "/\\") <= 1)
    return std::nullopt;
  return parentFolder(executablePath, "/\\");
}

std::string dialogCaption() {
  return std::string("VornakStarter") + " v" + VS_VERSION;
}

Size centredIconPosition(Size client, Size icon) {
  return {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2};
}

}  // namespace vs
