#include "app/qt_arguments.h"

#include <string_view>

namespace vs {
namespace {

// QGuiApplication's and QApplication's options, without their leading dash.
constexpr std::string_view kWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "qmljsdebugger"};
constexpr std::string_view kWithoutValue[] = {"reverse", "widgetcount", "nograb",
                                              "dograb",  "sync",        "testability"};

// The option's name: Qt takes "-name" and "--name" alike, and "=value".
std::string_view optionName(std::string_view argument) {
  if (!argument.starts_with('-'))
    return {};
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  return argument.substr(0, argument.find('='));
}

bool isIn(std::string_view name, auto& table) {
  for (const std::string_view entry : table)
    if (entry == name)
      return true;
  return false;
}

}  // namespace

SplitArguments splitQtArguments(const std::vector<std::string>& argv) {
  SplitArguments split;
  if (argv.empty())
    return split;
  split.qt.push_back(argv[0]);
  for (std::size_t i = 1; i < argv.size(); ++i) {
    const std::string_view name = optionName(argv[i]);
    const bool joinedValue = argv[i].find('=') != std::string::npos;
    if (isIn(name, kWithoutValue)) {
      split.qt.push_back(argv[i]);
    } else if (isIn(name, kWithValue)) {
      split.qt.push_back(argv[i]);
      if (!joinedValue && i + 1 < argv.size())
        split.qt.push_back(argv[++i]);
    } else {
      split.launcher.push_back(argv[i]);
    }
  }
  return split;
}

}  // namespace vs
