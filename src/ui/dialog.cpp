#include "ui/dialog.h"

namespace vs {

bool Dialog::OnInitDialog() {
  if (controls_ == nullptr)
    return false;
  controls_->initialiseComboBoxes();
  return UpdateData(false);
}

void Dialog::DefaultSysCommand(unsigned commandId) {
  if (controls_ != nullptr && controls_->runDefaultSysCommand(commandId))
    return;
  // Moving, sizing and minimising belong to the window system; closing ends
  // the dialog the way Escape does.
  if ((commandId & 0xFFF0u) == SC_CLOSE)
    OnCancel();
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void Dialog::OnCancel() {
  EndDialog(IDCANCEL);
}

bool Dialog::OnMessage(Message, int, MessageArgs&) {
  return false;
}

bool Dialog::UpdateData(bool saveAndValidate) {
  if (controls_ == nullptr)
    return false;
  DataExchange dx{*controls_, saveAndValidate};
  DoDataExchange(dx);
  return true;
}

void Dialog::EndDialog(int result) {
  if (controls_ != nullptr)
    controls_->endDialog(result);
}

void Dialog::DoDataExchange(DataExchange&) {}

}  // namespace vs
