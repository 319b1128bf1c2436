// The application object: reads the command line, then runs the launcher's
// dialog, or starts, lists or prints without it.
#pragma once

#include <string>
#include <vector>

#include "app/program_console.h"
#include "dialog/services.h"

namespace vs {

// The OS services of the program; the window system comes from the console.
struct OsServices {
  FileSystem& files;
  ProcessStarter& processes;
  SettingsStore& settings;
  ProgramLocation& location;
  ShortcutMaker& shortcuts;
};

class StarterApp {
 public:
  StarterApp() = default;
  virtual ~StarterApp();
  // `arguments` without the program's name; returns the exit status.
  int Run(const std::vector<std::string>& arguments, const OsServices& os, ProgramConsole& console);

 private:
  int startDirectly(const std::string& name, const OsServices& os, ProgramConsole& console);
  int listConfigurations(const OsServices& os, ProgramConsole& console);
};

// The one application object, constructed before main runs.
extern StarterApp theApp;

}  // namespace vs
