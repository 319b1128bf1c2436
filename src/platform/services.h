// The OS services one dialog uses, handed in by the entry point or a test.
#pragma once

#include "platform/dialog_host.h"
#include "platform/file_system.h"
#include "platform/process_starter.h"
#include "platform/program_location.h"
#include "platform/settings_store.h"

namespace vs {

struct Services {
  DialogHost& host;
  FileSystem& files;
  ProcessStarter& processes;
  SettingsStore& settings;
  ProgramLocation& location;
};

}  // namespace vs
