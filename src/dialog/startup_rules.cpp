#include "dialog/startup_rules.h"

#include "dialog/version.h"

namespace vs {

std::optional<std::string> programDirectory(const std::string& executablePath) {
  const auto cut = executablePath.find_last_of("/\\");
  if (cut == std::string::npos || cut == 0)
    return std::nullopt;
  return executablePath.substr(0, cut);
}

std::string dialogCaption() {
  return std::string("VornakStarter") + " v" + VS_VERSION;
}

Size centredIconPosition(Size client, Size icon) {
  return {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2};
}

}  // namespace vs
