// The Qt front end as the Linux program loads it: a module of its own
// (VornakStarter-libs/libvornakstarter-qt.so) that brings Qt, opened only
// when a window is needed, so that a start without the window never loads Qt.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/dialog_host.h"
#include "ui/resource_table.h"

namespace vs {

class QtFrontEnd {
 public:
  virtual ~QtFrontEnd() = default;
  virtual DialogHost& host() = 0;
  // An icon of the program's resources as PNG bytes, `size` pixels square.
  virtual std::vector<std::uint8_t> iconPng(int iconId, int size) = 0;
};

inline constexpr char kQtFrontEndModule[] = "libvornakstarter-qt.so";
inline constexpr char kQtFrontEndEntry[] = "vs_open_qt_front_end";

// The module's one export. Makes the QApplication from the Qt part of the
// command line (kept alive with `argc` and `argv`, as Qt requires) and the
// host over `resources`; the object lives until the program ends.
using OpenQtFrontEnd = QtFrontEnd* (*)(int* argc, char** argv, const char* executable,
                                       const ResourceTable* resources);

}  // namespace vs
