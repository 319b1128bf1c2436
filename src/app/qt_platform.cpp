#include "app/qt_platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace vs {
namespace {

// Qt's spelling of a platform: "name:option=value", several as a list
// separated by ';', tried in turn.
std::vector<std::string> splitList(const std::string& list) {
  std::vector<std::string> entries;
  std::size_t begin = 0;
  while (begin <= list.size()) {
    std::size_t end = list.find(';', begin);
    if (end == std::string::npos)
      end = list.size();
    if (end > begin)
      entries.push_back(list.substr(begin, end - begin));
    begin = end + 1;
  }
  return entries;
}

std::string nameOf(const std::string& entry) {
  return entry.substr(0, entry.find(':'));
}

void append(std::string& list, const std::string& entry) {
  list += (list.empty() ? "" : ";") + entry;
}

bool isPlatformSwitch(std::string_view argument) {
  return argument == "-platform" || argument == "--platform";
}

// The index of the value of the last -platform argument (Qt takes the last).
std::optional<std::size_t> platformValue(const std::vector<std::string>& arguments) {
  std::optional<std::size_t> value;
  for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
    if (isPlatformSwitch(arguments[i]))
      value = ++i;
  }
  return value;
}

}  // namespace

QtPlatformChoice chooseQtPlatform(const std::vector<std::string>& arguments,
                                  const std::optional<std::string>& environment,
                                  const std::set<std::string>& bundled) {
  QtPlatformChoice choice{arguments, {}};
  if (bundled.empty())
    return choice;
  const std::string fallback = bundled.count("xcb") ? "xcb" : *bundled.begin();
  const std::optional<std::size_t> argument = platformValue(arguments);
  std::string requested;
  if (argument)
    requested = arguments[*argument];
  else if (environment)
    requested = *environment;  // Qt too takes an empty variable for none

  std::string kept;
  std::string missing;
  for (const std::string& entry : splitList(requested)) {
    if (bundled.count(nameOf(entry)))
      append(kept, entry);
    else
      append(missing, nameOf(entry));
  }
  if (requested.empty()) {
    // Left alone, Qt tries Wayland first in a Wayland session and warns that
    // the release lacks it before it takes xcb.
    if (bundled.count("wayland"))
      return choice;
    kept = fallback;
  } else if (missing.empty()) {
    return choice;
  } else {
    if (kept.empty())
      kept = fallback;
    choice.warning = "VornakStarter: this release brings no Qt platform \"" + missing +
                     "\"; it starts on \"" + kept + "\" (XWayland serves xcb under Wayland)";
  }
  if (argument) {
    choice.arguments[*argument] = kept;
  } else {
    // Right after argument 0: a dangling "-platform" at the end, which Qt
    // ignores, must not take ours as its value.
    const auto at = choice.arguments.begin() + (choice.arguments.empty() ? 0 : 1);
    choice.arguments.insert(at, {"-platform", kept});
  }
  return choice;
}

bool windowSystemAvailable(const std::vector<std::string>& arguments, const char* qpaPlatform,
                           const char* display, const char* waylandDisplay) {
  const auto named = [](const char* value) { return value != nullptr && value[0] != '\0'; };
  return platformValue(arguments).has_value() || named(qpaPlatform) || named(display) ||
         named(waylandDisplay);
}

std::set<std::string> platformPlugins(const std::string& folder) {
  constexpr std::string_view prefix = "libq";
  constexpr std::string_view suffix = ".so";
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string file = entry.path().filename().string();
    if (file.size() > prefix.size() + suffix.size() && file.starts_with(prefix) &&
        file.ends_with(suffix))
      names.insert(file.substr(prefix.size(), file.size() - prefix.size() - suffix.size()));
  }
  return names;
}

QtArguments::QtArguments(std::vector<std::string> arguments)
    : strings_(std::move(arguments)), count_(static_cast<int>(strings_.size())) {
  for (std::string& s : strings_) pointers_.push_back(s.data());
  pointers_.push_back(nullptr);  // argv[argc], as main's own
}

QtArguments releaseQtArguments(const std::vector<std::string>& arguments,
                               const std::string& executable, const std::string& pluginFolder) {
  const std::filesystem::path platforms =
      std::filesystem::path(executable).parent_path() / pluginFolder / "platforms";
  const char* variable = std::getenv("QT_QPA_PLATFORM");
  QtPlatformChoice choice =
      chooseQtPlatform(arguments, variable ? std::optional<std::string>(variable) : std::nullopt,
                       platformPlugins(platforms.string()));
  if (!choice.warning.empty())
    std::fprintf(stderr, "%s\n", choice.warning.c_str());
  return QtArguments(std::move(choice.arguments));
}

}  // namespace vs
