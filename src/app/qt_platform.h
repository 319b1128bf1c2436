// The Qt platform the release starts on. The release brings only some of
// Qt's platform plugins (xcb); a platform asked for through QT_QPA_PLATFORM
// or -platform that it does not bring would make Qt abort, and Qt's own try
// of Wayland in a Wayland session only prints a warning before it falls back.
// So such a request becomes a bundled platform (xcb, which XWayland serves)
// with one line of warning, and no request at all becomes xcb silently.
// Free of Qt: it decides before QApplication exists.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vs {

struct QtPlatformChoice {
  std::vector<std::string> arguments;  // to hand QApplication, argument 0 first
  std::string warning;                 // one line without its newline, or empty
};

// `environment` is QT_QPA_PLATFORM (nullopt when unset); `bundled` the names
// of the platform plugins the release brings ("xcb"), empty for a build that
// uses the system's Qt, which is then left to choose for itself.
QtPlatformChoice chooseQtPlatform(const std::vector<std::string>& arguments,
                                  const std::optional<std::string>& environment,
                                  const std::set<std::string>& bundled);

// Whether Qt can open a window: a platform is named (-platform, which Qt
// reads as `arguments` give it, or QT_QPA_PLATFORM), or a display is there.
bool windowSystemAvailable(const std::vector<std::string>& arguments, const char* qpaPlatform,
                           const char* display, const char* waylandDisplay);

// The platform names of the plugin files in a folder (libqxcb.so -> "xcb").
std::set<std::string> platformPlugins(const std::string& folder);

// The arguments to make the QApplication with, and the storage behind them.
class QtArguments {
 public:
  explicit QtArguments(std::vector<std::string> arguments);
  QtArguments(const QtArguments&) = delete;
  QtArguments& operator=(const QtArguments&) = delete;
  // QApplication keeps references to both for its whole life.
  int& argc() { return count_; }
  char** argv() { return pointers_.data(); }

 private:
  std::vector<std::string> strings_;
  std::vector<char*> pointers_;
  int count_;
};

// For main: chooses from Qt's part of the command line, QT_QPA_PLATFORM and
// the plugins in `pluginFolder`/platforms (relative to the executable's
// folder), and writes the warning, if any, to standard error.
QtArguments releaseQtArguments(const std::vector<std::string>& arguments,
                               const std::string& executable, const std::string& pluginFolder);

}  // namespace vs
