#include "core/launch/launcher_texts.h"

#include <string_view>

namespace vs {

const LauncherTexts launcherTexts = {
    .createShortcut = "Create shortcut",
    .usage =
        "Usage: VornakStarter [--start NAME | --list | --help | --version]\n"
        "\n"
        "Without an option the launcher's window opens.\n"
        "\n"
        "  --start NAME  Starts the configuration NAME, the file name of a mod INI file\n"
        "                beside the launcher (such as frostpeak.ini), with the choices\n"
        "                saved in the window, without showing it. When the start fails,\n"
        "                the window opens and shows why.\n"
        "  --list        Lists the configurations: the file name, a tab, the title.\n"
        "  --help        Shows this text.\n"
        "  --version     Shows the launcher's version.\n",
    .version = "VornakStarter %1\n",
    .usageProblem = "VornakStarter: %1\n",
    .unknownOption = "unknown option \"%1\"",
    .missingName = "--start needs the file name of a configuration",
    .extraArgument = "one argument too many: \"%1\"",
    .noSuchConfiguration = "Error: No configuration \"%1\" beside the launcher",
    .notAConfiguration = "Error: \"%1\" is no configuration the launcher can start",
    .noApplication = "Error: No application chosen (Vornak or Morlex)",
    .movesFailed = "Error: Not every archive could be moved (see above)",
    .shortcutMade = "Shortcut created: %1",
    .shortcutFailed = "Error: Couldn't create the shortcut: %1",
};

std::string fillIn(const char* text, const std::string& value) {
  std::string filled(text);
  if (const auto at = filled.find("%1"); at != std::string::npos)
    filled.replace(at, 2, value);
  return filled;
}

}  // namespace vs
