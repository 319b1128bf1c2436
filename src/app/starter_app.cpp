#include "app/starter_app.h"

#include "app/read_only_settings.h"
#include "core/launch/launcher_texts.h"
#include "core/launch/program_options.h"
#include "dialog/resources.h"
#include "dialog/starter_dialog.h"
#include "dialog/version.h"
#include "ui/windowless_host.h"

namespace vs {
namespace {

Services dialogServices(DialogHost& host, const OsServices& os) {
  return {host, os.files, os.processes, os.settings, os.location, &os.shortcuts};
}

// The launcher's dialog over a window that never shows, initialised with the
// saved choices read and nothing written: a start or a listing without the
// window does what the window would.
struct HiddenDialog {
  explicit HiddenDialog(const OsServices& os)
      : settings(os.settings),
        dialog({host, os.files, os.processes, settings, os.location}),
        window(host.open(dialog)) {}

  WindowlessHost host{starterResources()};
  ReadOnlySettings settings;
  StarterDialog dialog;
  std::unique_ptr<MemoryWindow> window;  // null only without the template
};

}  // namespace

StarterApp theApp;

StarterApp::~StarterApp() = default;

int StarterApp::Run(const std::vector<std::string>& arguments, const OsServices& os,
                    ProgramConsole& console) {
  const ProgramAction action = parseProgramOptions(arguments);
  switch (action.kind) {
    case ProgramActionKind::dialog: {
      StarterDialog dialog(dialogServices(console.dialogHost(), os));
      dialog.DoModal();
      return kExitDone;
    }
    case ProgramActionKind::start:
      return startDirectly(action.name, os, console);
    case ProgramActionKind::list:
      return listConfigurations(os, console);
    case ProgramActionKind::help:
      console.print(launcherTexts.usage);
      return kExitDone;
    case ProgramActionKind::version:
      console.print(fillIn(launcherTexts.version, VS_VERSION));
      return kExitDone;
    case ProgramActionKind::usage:
      console.printError(fillIn(launcherTexts.usageProblem, action.problem) + launcherTexts.usage);
      return kExitUsage;
  }
  return kExitUsage;
}

// The dialog itself does the start, over a window that never shows, so the
// line, the moves and the log are those of a click on Start.
int StarterApp::startDirectly(const std::string& name, const OsServices& os,
                              ProgramConsole& console) {
  std::vector<std::string> log;
  {
    HiddenDialog hidden(os);
    if (hidden.window && hidden.dialog.startConfiguration(name))
      return kExitDone;
    if (hidden.window)
      log = hidden.window->control(IDC_ARCHIVELOG).lines;
  }
  console.reportFailedStart(log);
  if (!console.canShowWindows())
    return kExitFailed;
  StarterDialog dialog(dialogServices(console.dialogHost(), os));
  dialog.showEarlierAttempt(std::move(log));
  dialog.DoModal();
  return kExitFailed;
}

int StarterApp::listConfigurations(const OsServices& os, ProgramConsole& console) {
  HiddenDialog hidden(os);
  std::string listing;
  if (hidden.window) {
    for (const auto& [fileName, text] : hidden.dialog.listedConfigurations())
      listing += fileName + '\t' + text + '\n';
  }
  console.print(listing);
  return kExitDone;
}

}  // namespace vs
