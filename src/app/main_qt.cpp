// The Linux launcher: the Qt front end over the POSIX services.
#include <QApplication>
#include <QFileInfo>
#include <string>

#include "app/qt_platform.h"
#include "app/starter_app.h"
#include "dialog/resources.h"
#include "dialog/startup_rules.h"
#include "os/posix/posix_file_system.h"
#include "os/posix/posix_process_starter.h"
#include "os/posix/posix_program_location.h"
#include "os/posix/posix_settings_store.h"
#include "ui/qt/host.h"

namespace {

// The release's own plugins lie in the library folder beside the program;
// they, and no other Qt's, are loaded. A build without that folder keeps
// Qt's own search.
void useBundledPlugins(const std::string& executable) {
  const QString plugins = QFileInfo(QString::fromLocal8Bit(executable.c_str())).absolutePath() +
                          QStringLiteral("/" VS_LIBRARY_FOLDER "/plugins");
  if (QFileInfo(plugins).isDir())
    QCoreApplication::setLibraryPaths({plugins});
}

}  // namespace

int main(int argc, char** argv) {
  vs::PosixProgramLocation location;
  const std::string executable = location.executablePath();
  // The mod files beside the program are read while Qt starts up.
  vs::PosixFileSystem files;
  if (const auto directory = vs::programDirectory(executable))
    files.prefetch(*directory, vs::kModFileExtension);
  useBundledPlugins(executable);
  vs::QtArguments qtArguments =
      vs::releaseQtArguments(argc, argv, executable, VS_LIBRARY_FOLDER "/plugins");
  QApplication application(qtArguments.argc(), qtArguments.argv());
  vs::QtHost host{vs::starterResources()};
  vs::PosixProcessStarter processes;
  vs::PosixSettingsStore settings;
  vs::theApp.InitInstance(vs::Services{host, files, processes, settings, location});
  return 0;
}
