// The OS services one dialog uses, handed in by the entry point or a test.
#pragma once

#include "ui/dialog_host.h"
#include "os/file_system.h"
#include "os/process_starter.h"
#include "os/program_location.h"
#include "os/settings_store.h"
#include "os/shortcut_maker.h"

namespace vs {

struct Services {
  DialogHost& host;
  FileSystem& files;
  ProcessStarter& processes;
  SettingsStore& settings;
  ProgramLocation& location;
  ShortcutMaker* shortcuts = nullptr;  // none: the list offers no shortcut
};

}  // namespace vs
