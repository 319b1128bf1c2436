// StarterDialog: archive switching before a start, logged line by line.
#include "core/archives/archive_switch.h"
#include "dialog/starter_dialog.h"

namespace vs {

int StarterDialog::deactivateModArchives() {
  return parkArchives(services_.files, archiveDirectories(services_.files.separator()),
                      [this](const std::string& line) { appendLog(line); });
}

int StarterDialog::activateModArchives(std::string vdf) {
  const int failed =
      activateArchives(services_.files, archiveDirectories(services_.files.separator()), vdf,
                       [this](const std::string& line) { appendLog(line); });
  UpdateData(false);
  return failed;
}

}  // namespace vs
