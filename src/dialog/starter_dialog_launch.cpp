// StarterDialog: from the start command to a running program.
#include "core/launch/command_line.h"
#include "core/launch/launcher_texts.h"
#include "core/launch/program_files.h"
#include "core/launch/spawn_error_text.h"
#include "core/mods/mod_info.h"
#include "dialog/starter_dialog.h"

namespace vs {

void StarterDialog::OnOK() {
  UpdateData(true);
  const auto program = programForApplication(startApp);
  if (!program)
    return;
  launchSelected(*program);
}

void StarterDialog::showLogFace() {
  UpdateData(true);
  developmentMode = 0;
  UpdateData(false);
  applyDevelopmentMode();
}

bool StarterDialog::launchSelected(std::string programName, bool stopOnFailedMoves) {
  showLogFace();

  archiveLog.ResetContent();
  archiveLog.UpdateWindow();

  const int mark = modList.GetSelectionMark();
  if (mark < 0) {
    appendLog("Please select a game!");
    return false;
  }
  const auto* record = reinterpret_cast<const ModInfo*>(modList.GetItemData(mark));
  if (record == nullptr) {
    appendLog("Couldn't find informations about the selected game.");
    return false;
  }

  const std::string switches = composeCommandLine(record->fileName, *this);
  const int failedMoves = deactivateModArchives() + activateModArchives(record->vdf);
  if (stopOnFailedMoves && failedMoves > 0) {
    appendLog(launcherTexts.movesFailed);
    return false;
  }

  appendLog("CALLING \"" + programName + "\"");
  appendLog("  " + switches);
  if (const int error = services_.processes.startProcess(programName, switches); error != 0) {
    appendLog("Error: " + spawnErrorText(error));
    return false;
  }
  return true;
}

}  // namespace vs
