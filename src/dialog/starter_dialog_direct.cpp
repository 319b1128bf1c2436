// StarterDialog: a start straight from the command line, over a window that
// never shows, and the window that opens when it fails.
#include "core/launch/launcher_texts.h"
#include "core/launch/program_files.h"
#include "core/mods/mod_info.h"
#include "core/mods/mod_list_rules.h"
#include "dialog/starter_dialog.h"

namespace vs {

// The records are kept in the list's order.
int StarterDialog::findItem(const std::string& fileName) {
  for (std::size_t item = 0; item < listedRecords_.size(); ++item) {
    if (equalsIgnoringAsciiCase(listedRecords_[item]->fileName, fileName))
      return static_cast<int>(item);
  }
  return -1;
}

bool StarterDialog::startConfiguration(const std::string& name) {
  const int item = findItem(name);
  if (item < 0) {
    archiveLog.ResetContent();
    // A file that is there but not listed cannot be read as a configuration.
    const bool present = name.find_first_of("/\\") == std::string::npos &&
                         services_.files.openForReading(name) != nullptr;
    appendLog(fillIn(present ? launcherTexts.notAConfiguration : launcherTexts.noSuchConfiguration,
                     name));
    return false;
  }
  modList.SetItemSelectedFocused(item);
  selectedItem = item;
  const auto program = programForApplication(startApp);
  if (!program) {
    archiveLog.ResetContent();
    appendLog(launcherTexts.noApplication);
    return false;
  }
  return launchSelected(*program, true);
}

void StarterDialog::showEarlierAttempt(std::vector<std::string> lines) {
  earlierAttempt_ = std::move(lines);
}

std::vector<std::pair<std::string, std::string>> StarterDialog::listedConfigurations() {
  std::vector<std::pair<std::string, std::string>> listed;
  for (const auto& record : listedRecords_)
    listed.emplace_back(record->fileName, itemText(*record));
  return listed;
}

}  // namespace vs
