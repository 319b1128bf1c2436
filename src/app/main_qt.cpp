// The Linux launcher: the Qt front end over the POSIX services.
#include <QApplication>

#include "app/starter_app.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_process_starter.h"
#include "platform/posix/posix_program_location.h"
#include "platform/posix/posix_settings_store.h"
#include "platform/qt/host.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vs::QtHost host;
  vs::PosixFileSystem files;
  vs::PosixProcessStarter processes;
  vs::PosixSettingsStore settings;
  vs::PosixProgramLocation location;
  vs::theApp.InitInstance(vs::Services{host, files, processes, settings, location});
  return 0;
}
