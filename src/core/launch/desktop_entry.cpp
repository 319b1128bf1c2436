#include "core/launch/desktop_entry.h"

#include "core/text/ascii.h"

namespace vs {
namespace {

constexpr std::string_view kMarkerKey = "X-VornakStarter-Configuration=";

// Characters that make an argument need quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters that need a backslash inside the quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// A string value: backslashes and line breaks escaped.
std::string escapeStringValue(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\\')
      escaped += "\\\\";
    else if (c == '\n')
      escaped += "\\n";
    else if (c == '\t')
      escaped += "\\t";
    else if (c == '\r')
      escaped += "\\r";
    else
      escaped += c;
  }
  return escaped;
}

// GLib looks for the program before it expands the field codes, so a
// launcher whose path holds a "%" would not be found as "%%": `env` is found,
// and runs the launcher once the path has been expanded.
std::string execLine(const ShortcutEntry& entry) {
  const std::string program = entry.launcher.find('%') != std::string::npos ? "env " : "";
  return "Exec=" + escapeStringValue(program + desktopExecArgument(entry.launcher) + " --start " +
                                     desktopExecArgument(entry.configuration));
}

}  // namespace

std::string desktopExecArgument(std::string_view argument) {
  std::string quoted;
  const bool needsQuotes = argument.empty() || argument.find_first_of(kReserved) != argument.npos;
  if (needsQuotes)
    quoted += '"';
  for (const char c : argument) {
    if (needsQuotes && kEscapedInQuotes.find(c) != kEscapedInQuotes.npos)
      quoted += '\\';
    quoted += c;
    if (c == '%')
      quoted += '%';
  }
  if (needsQuotes)
    quoted += '"';
  return quoted;
}

std::string desktopEntryText(const ShortcutEntry& entry) {
  std::string text = "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Name=" + escapeStringValue(entry.title) + "\n";
  text += execLine(entry) + "\n";
  text += "Path=" + escapeStringValue(entry.folder) + "\n";
  text += "Icon=" + escapeStringValue(entry.icon) + "\n";
  text += "Categories=Game;\n";
  text += "Terminal=false\n";
  text += std::string(kMarkerKey) + escapeStringValue(entry.configuration) + "\n";
  return text;
}

bool isOurDesktopEntry(std::string_view text, const ShortcutEntry& entry) {
  const std::string marker = std::string(kMarkerKey) + escapeStringValue(entry.configuration);
  const std::string exec = execLine(entry);
  bool markerFound = false;
  bool execFound = false;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    markerFound = markerFound || line == marker;
    execFound = execFound || line == exec;
    text = end == text.npos ? std::string_view() : text.substr(end + 1);
  }
  return markerFound && execFound;
}

std::string desktopFileStem(std::string_view configuration) {
  if (endsWithIgnoringAsciiCase(configuration, ".ini"))
    configuration.remove_suffix(4);
  std::string stem = "vornakstarter-";
  for (const char c : configuration) {
    const char lowered = lowerAscii(c);
    const bool kept = (lowered >= 'a' && lowered <= 'z') || (lowered >= '0' && lowered <= '9') ||
                      lowered == '-' || lowered == '_';
    stem += kept ? lowered : '-';
  }
  return stem;
}

}  // namespace vs
