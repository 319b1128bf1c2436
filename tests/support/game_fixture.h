// A game directory on disk (bin/ with INI files, data/, data/modvdf/) and a
// StarterDialog opened on the headless host inside it.
#pragma once

#include <memory>
#include <string>

#include "dialog/starter_dialog.h"
#include "support/headless/headless_host.h"
#include "os/posix/posix_file_system.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace vs::test {

class GameFixture {
 public:
  GameFixture();
  ~GameFixture();

  std::filesystem::path bin() const { return root / "bin"; }
  std::filesystem::path data() const { return root / "data"; }
  std::filesystem::path parking() const { return root / "data" / "modvdf"; }
  // Writes bin/<name> with an [info] header and the given lines.
  void writeMod(const std::string& name, const std::string& lines);

  StarterDialog& dialog();  // created on first use
  HeadlessWindow& open();   // runs OnInitDialog
  HeadlessWindow& window() { return *window_; }

  TempDir root;
  HeadlessHost host;
  PosixFileSystem files;
  RecordingProcessStarter processes;
  MemorySettingsStore settings;
  FixedProgramLocation location;

 private:
  WorkingDirectoryGuard cwd_;
  std::unique_ptr<StarterDialog> dialog_;
  std::unique_ptr<HeadlessWindow> window_;
};

}  // namespace vs::test
