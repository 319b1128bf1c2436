// A game laid out as a Windows installation lays it out, in whatever letter
// case the test chooses, with the launcher's dialog opened on the headless
// host over the real POSIX services in its program folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialog/starter_dialog.h"
#include "os/posix/posix_file_system.h"
#include "os/posix/posix_process_starter.h"
#include "support/fakes.h"
#include "support/headless/headless_host.h"
#include "support/temp_dir.h"

namespace vs::test {

// The folder names on disk, e.g. {"System", "Data", "ModVDF"}.
struct InstallFolders {
  std::string program = "system";
  std::string data = "data";
  std::string parking = "modvdf";
};

class InstalledGame {
 public:
  InstalledGame(const std::filesystem::path& root, InstallFolders folders, std::string relayFolder)
      : root_(root),
        folders_(std::move(folders)),
        processes(std::move(relayFolder)),
        location((program() / "VornakStarter").string()) {
    std::filesystem::create_directories(program());
    std::filesystem::create_directories(parking());
  }
  ~InstalledGame() {
    if (dialog_)
      dialog_->attachControls(nullptr);
  }

  std::filesystem::path program() const { return root_ / folders_.program; }
  std::filesystem::path data() const { return root_ / folders_.data; }
  std::filesystem::path parking() const { return data() / folders_.parking; }

  void writeMod(const std::string& name, const std::string& title, const std::string& vdf) {
    writeFile(program() / name, "[info]\r\ntitle=" + title + "\r\nvdf=" + vdf + "\r\n");
  }

  HeadlessWindow& open() {
    dialog_ = std::make_unique<StarterDialog>(Services{host, files, processes, settings, location});
    window_ = host.open(*dialog_);
    return *window_;
  }
  // The item whose record was read from `fileName` (lowered).
  int itemOf(const std::string& fileName) const;
  std::vector<std::string> itemTexts() const;
  // Selects the item, sets the parameters and presses Enter; the log after.
  const std::vector<std::string>& start(const std::string& fileName,
                                        const std::string& parameters = "");

  // First, as the services below are made from them.
 private:
  std::filesystem::path root_;
  InstallFolders folders_;
  WorkingDirectoryGuard cwd_;

 public:
  HeadlessHost host;
  PosixFileSystem files;
  PosixProcessStarter processes;
  MemorySettingsStore settings;
  FixedProgramLocation location;

 private:
  std::unique_ptr<StarterDialog> dialog_;
  std::unique_ptr<HeadlessWindow> window_;
};

}  // namespace vs::test
