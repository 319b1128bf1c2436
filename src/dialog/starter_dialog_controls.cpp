// StarterDialog: the two faces, the start caption, help and the small handlers.
#include "core/launch/program_files.h"
#include "dialog/help_text.h"
#include "dialog/starter_dialog.h"

namespace vs {

void StarterDialog::applyDevelopmentMode() {
  UpdateData(true);
  Control* const developmentControls[] = {
      &actionsGroup,     &convertAllCheck,  &convertTexturesCheck, &physicalFirstCheck,
      &reparseCheck,     &autoConvertCheck, &spyLevelLabel,        &spyLevelCombo,
      &applicationCombo, &applicationLabel, &helpButton,
  };
  const bool show = developmentMode != 0;
  for (Control* control : developmentControls) control->ShowWindow(show);
  archiveLog.ShowWindow(!show);
}

void StarterDialog::updateStartCaption() {
  UpdateData(true);
  if (const auto caption = startCaption(startApp))
    startButton.SetWindowText(*caption);
}

void StarterDialog::OnDevelopmentClicked(MessageArgs&) {
  applyDevelopmentMode();
}

void StarterDialog::OnApplicationChanged(MessageArgs&) {
  updateStartCaption();
}

void StarterDialog::OnHelp(MessageArgs&) {
  controls().messageBox(helpText(), helpTitle());
}

// The automatic check boxes change their own state; the members follow at the
// next transfer from the controls.
void StarterDialog::OnCheckBoxClicked(MessageArgs&) {}

void StarterDialog::OnModListDoubleClick(MessageArgs& args) {
  OnOK();
  args.result = 0;
}

}  // namespace vs
