// The launcher's main dialog (IDD_STARTER): its members, data exchange,
// start-up, message table and handlers. Written once against our dialog layer;
// every front end runs the same object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/launch/command_line.h"
#include "dialog/control_ids.h"
#include "dialog/services.h"
#include "ui/control_wrappers.h"
#include "ui/dialog.h"

namespace vs {

class ModInfo;

// The launch choices are values of the dialog, exchanged with its controls
// and partly kept in the store.
class StarterDialog : public Dialog, public LaunchChoices {
 public:
  explicit StarterDialog(const Services& services);
  ~StarterDialog() override;

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnMessage(Message message, int controlId, MessageArgs& args) override;

  // Window messages.
  void OnSysCommand(MessageArgs& args);
  void OnPaint(MessageArgs& args);
  void OnQueryDragIcon(MessageArgs& args);

  // Mod list and description panel.
  int scanMods();
  void showModDescription(int index);
  void OnModListClick(MessageArgs& args);
  void OnModListContextMenu(MessageArgs& args);
  void createShortcut(const ModInfo& record);

  // A start without the window: the item of the INI file `name` (any case),
  // started as Start would with the choices as loaded. False, with the
  // reason as the log's last line, when it could not be started or an
  // archive could not be moved.
  bool startConfiguration(const std::string& name);
  // A window opened after such an attempt shows its log lines.
  void showEarlierAttempt(std::vector<std::string> lines);
  // The listed items: the INI file's name and the item's text.
  std::vector<std::pair<std::string, std::string>> listedConfigurations();

  // Control behaviour.
  void applyDevelopmentMode();
  void updateStartCaption();
  void OnDevelopmentClicked(MessageArgs& args);
  void OnApplicationChanged(MessageArgs& args);
  void OnHelp(MessageArgs& args);
  void OnCheckBoxClicked(MessageArgs& args);
  void OnModListDoubleClick(MessageArgs& args);

  // Settings persistence.
  void openSettingsKey();
  void loadSettings();
  void saveSettings();

  // Archive switching.
  // Each returns how many moves failed.
  int deactivateModArchives();
  int activateModArchives(std::string vdf);

  // Launch. True when the program was started; with `stopOnFailedMoves`,
  // nothing is started after a move failed.
  bool launchSelected(std::string programName, bool stopOnFailedMoves = false);
  void showLogFace();  // the normal face, where the log shows

  // Control wrappers, in the order of the dialog's class.
  Button helpButton;
  Button startButton;
  Button autoConvertCheck;
  Button developmentCheck;
  Static applicationLabel;
  ComboBox applicationCombo;
  Edit descriptionEdit;
  Button reparseCheck;
  Button physicalFirstCheck;
  Button convertTexturesCheck;
  Button convertAllCheck;
  ComboBox spyLevelCombo;
  Static spyLevelLabel;
  Static bannerStatic;
  ListBox archiveLog;
  Button actionsGroup;
  ListCtrl modList;

  // Values exchanged with the controls, besides the launch choices.
  std::string descriptionText;
  std::int32_t startApp = 0;
  std::int32_t developmentMode = 0;
  std::int32_t selectedItem = 0;

  bool settingsKey = false;  // the store's key is open
  int appIcon = IDR_MAINFRAME;
  ImageListHandle modImages = kNoImageList;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void appendLog(const std::string& line);
  int findItem(const std::string& fileName);  // -1 when not listed

  Services services_;
  std::vector<std::string> earlierAttempt_;
  // The records of the listed items; each item's data points at one of them.
  std::vector<std::unique_ptr<ModInfo>> listedRecords_;
};

}  // namespace vs
