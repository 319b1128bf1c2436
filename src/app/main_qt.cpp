// The Linux launcher: the POSIX services, and the Qt front end loaded from its
// module only when a window is needed.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/qt_arguments.h"
#include "app/qt_front_end.h"
#include "app/qt_platform.h"
#include "app/starter_app.h"
#include "core/launch/program_options.h"
#include "dialog/control_ids.h"
#include "dialog/resources.h"
#include "dialog/startup_rules.h"
#include "os/posix/code_page_text.h"
#include "os/posix/posix_file_system.h"
#include "os/posix/posix_process_starter.h"
#include "os/posix/posix_program_location.h"
#include "os/posix/posix_settings_store.h"
#include "os/posix/posix_shortcut_maker.h"

namespace {

// The shortcut's icon, 48 pixels square as the icon theme's folder says.
constexpr int kShortcutIconSize = 48;

class QtConsole : public vs::ProgramConsole {
 public:
  QtConsole(std::vector<std::string> qtArguments, std::string executable)
      : qtArguments_(std::move(qtArguments)), executable_(std::move(executable)) {}

  void print(const std::string& text) override { write(stdout, text); }
  void printError(const std::string& text) override { write(stderr, text); }
  void reportFailedStart(const std::vector<std::string>& lines) override {
    for (const std::string& line : lines) write(stderr, line + "\n");
  }
  bool canShowWindows() override {
    return vs::windowSystemAvailable(qtArguments_, std::getenv("QT_QPA_PLATFORM"),
                                     std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  }
  vs::DialogHost& dialogHost() override { return frontEnd().host(); }
  std::vector<std::uint8_t> iconPng() {
    return frontEnd().iconPng(vs::IDR_MAINFRAME, kShortcutIconSize);
  }

 private:
  static void write(std::FILE* stream, const std::string& text) {
    const std::string shown = vs::fromLocaleCodePage(text);
    std::fwrite(shown.data(), 1, shown.size(), stream);
    std::fflush(stream);
  }

  // Found through the program's run path: its library folder in a release.
  vs::QtFrontEnd& frontEnd() {
    if (frontEnd_ != nullptr)
      return *frontEnd_;
    void* module = ::dlopen(vs::kQtFrontEndModule, RTLD_NOW | RTLD_LOCAL);
    auto* open = module != nullptr
                     ? reinterpret_cast<vs::OpenQtFrontEnd>(::dlsym(module, vs::kQtFrontEndEntry))
                     : nullptr;
    if (open == nullptr) {
      std::fprintf(stderr, "VornakStarter: cannot load its window: %s\n", ::dlerror());
      std::exit(vs::kExitFailed);
    }
    // A platform the release does not bring becomes one it does.
    applicationArguments_.reset(new vs::QtArguments(
        vs::releaseQtArguments(qtArguments_, executable_, VS_LIBRARY_FOLDER "/plugins")));
    frontEnd_ = open(&applicationArguments_->argc(), applicationArguments_->argv(),
                     executable_.c_str(), &vs::starterResources());
    return *frontEnd_;
  }

  std::vector<std::string> qtArguments_;
  std::string executable_;
  std::unique_ptr<vs::QtArguments> applicationArguments_;  // Qt keeps them to the end
  vs::QtFrontEnd* frontEnd_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  vs::PosixProgramLocation location;
  const std::string executable = location.executablePath();
  vs::SplitArguments arguments = vs::splitQtArguments(std::vector<std::string>(argv, argv + argc));
  // The mod files beside the program are read while Qt starts up.
  vs::PosixFileSystem files;
  if (const auto directory = vs::programDirectory(executable))
    files.prefetch(*directory, vs::kModFileExtension);
  QtConsole console(std::move(arguments.qt), executable);
  vs::PosixProcessStarter processes;
  vs::PosixSettingsStore settings;
  vs::PosixShortcutMaker shortcuts([&console] { return console.iconPng(); });
  return vs::theApp.Run(arguments.launcher, {files, processes, settings, location, shortcuts},
                        console);
}
