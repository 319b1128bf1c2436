// The Linux launcher: the Qt front end over the POSIX services.
#include <QApplication>

#include "app/starter_app.h"
#include "dialog/resources.h"
#include "os/posix/posix_file_system.h"
#include "os/posix/posix_process_starter.h"
#include "os/posix/posix_program_location.h"
#include "os/posix/posix_settings_store.h"
#include "ui/qt/host.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vs::QtHost host{vs::starterResources()};
  vs::PosixFileSystem files;
  vs::PosixProcessStarter processes;
  vs::PosixSettingsStore settings;
  vs::PosixProgramLocation location;
  vs::theApp.InitInstance(vs::Services{host, files, processes, settings, location});
  return 0;
}
