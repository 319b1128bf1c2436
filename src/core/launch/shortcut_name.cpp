#include "core/launch/shortcut_name.h"

#include "core/text/ascii.h"

namespace vs {
namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|";
constexpr std::string_view kDeviceNames[] = {"CON", "PRN", "AUX", "NUL"};
constexpr std::string_view kNumberedDevices[] = {"COM", "LPT"};

std::string cleaned(std::string_view text) {
  std::string name;
  for (const char c : text) {
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    name += control || kForbidden.find(c) != kForbidden.npos ? '_' : c;
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(0, 1);
  return name;
}

// Windows takes "CON", "COM1" and the like, with any extension, as devices.
bool isDeviceName(std::string_view name) {
  const std::string_view stem = name.substr(0, name.find('.'));
  for (const std::string_view device : kDeviceNames)
    if (equalsIgnoringAsciiCase(stem, device))
      return true;
  for (const std::string_view device : kNumberedDevices)
    if (stem.size() == 4 && equalsIgnoringAsciiCase(stem.substr(0, 3), device) && stem[3] >= '1' &&
        stem[3] <= '9')
      return true;
  return false;
}

}  // namespace

std::string windowsShortcutName(std::string_view title, std::string_view fallback, int number) {
  std::string name = cleaned(title);
  if (name.empty())
    name = cleaned(fallback);
  if (isDeviceName(name))
    name += '_';
  if (number > 1)
    name += " (" + std::to_string(number) + ")";
  return name + ".lnk";
}

}  // namespace vs
