// The launcher's own texts beyond the dialog's templates: the command line's
// usage and errors, and the log lines of a direct start and of a shortcut.
// "%1" stands for the one value a text takes.
#pragma once

#include <string>

namespace vs {

struct LauncherTexts {
  const char* createShortcut;  // the mod list's context menu entry
  const char* usage;
  const char* version;
  const char* usageProblem;  // the line before the usage: "%1" is what was wrong
  const char* unknownOption;
  const char* missingName;
  const char* extraArgument;
  const char* noSuchConfiguration;
  const char* notAConfiguration;
  const char* noApplication;
  const char* movesFailed;
  const char* shortcutMade;
  const char* shortcutFailed;
};

extern const LauncherTexts launcherTexts;

// `text` with its "%1" replaced by `value`.
std::string fillIn(const char* text, const std::string& value);

}  // namespace vs
