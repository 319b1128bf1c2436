#include "core/launch/windows_arguments.h"

namespace vs {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> splitWindowsArguments(const std::string& commandLine) {
  std::vector<std::string> arguments;
  const std::size_t end = commandLine.size();
  std::size_t i = 0;
  for (;;) {
    while (i < end && isBlank(commandLine[i])) ++i;
    if (i == end)
      return arguments;

    std::string argument;
    bool quoted = false;
    while (i < end && (quoted || !isBlank(commandLine[i]))) {
      const char c = commandLine[i];
      if (c == '\\') {
        std::size_t backslashes = 0;
        while (i < end && commandLine[i] == '\\') {
          ++backslashes;
          ++i;
        }
        if (i < end && commandLine[i] == '"') {
          argument.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(backslashes, '\\');
        }
      } else if (c == '"') {
        if (quoted && i + 1 < end && commandLine[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += c;
        ++i;
      }
    }
    arguments.push_back(std::move(argument));
  }
}

std::string quoteWindowsArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
    return argument;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
    } else {
      // Backslashes before a quote are doubled, and the quote gets one more.
      if (c == '"')
        quoted.append(backslashes + 1, '\\');
      backslashes = 0;
    }
    quoted += c;
  }
  // So do those before the closing quote.
  quoted.append(backslashes, '\\');
  return quoted + '"';
}

}  // namespace vs
