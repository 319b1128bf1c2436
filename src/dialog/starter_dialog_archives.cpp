// StarterDialog: archive switching before a start, logged line by line.
#include "core/archives/archive_switch.h"
#include "dialog/starter_dialog.h"

namespace vs {

void StarterDialog::deactivateModArchives() {
  parkArchives(services_.files, archiveDirectories(services_.files.separator()),
               [this](const std::string& line) { appendLog(line); });
}

void StarterDialog::activateModArchives(std::string vdf) {
  activateArchives(services_.files, archiveDirectories(services_.files.separator()), vdf,
                   [this](const std::string& line) { appendLog(line); });
  UpdateData(false);
}

}  // namespace vs
