#include "core/launch/wine_relay.h"

namespace vs {

bool isWin32PrefixHead(std::string_view head) {
  while (!head.empty()) {
    const std::size_t end = head.find('\n');
    std::string_view line = head.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    if (line == "#arch=win32")
      return true;
    if (end == std::string_view::npos)
      break;
    head.remove_prefix(end + 1);
  }
  return false;
}

const char* wineRelayName(bool win32Prefix) {
  return win32Prefix ? kWineRelay32Name : kWineRelay64Name;
}

}  // namespace vs
