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
  if ((commandId & 0xFFF0u) == kScClose)
    OnCancel();
}

bool Dialog::routeCommand(int controlId, MessageArgs args) {
  if (OnMessage(Message::buttonClicked, controlId, args))
    return true;
  if (controlId == kIdOk) {
    OnOK();
    return true;
  }
  if (controlId == kIdCancel) {
    OnCancel();
    return true;
  }
  return false;
}

void Dialog::routeSysCommand(unsigned commandId) {
  MessageArgs args;
  args.wParam = commandId;
  if (!OnMessage(Message::sysCommand, 0, args))
    DefaultSysCommand(commandId);
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(kIdOk);
}

void Dialog::OnCancel() {
  EndDialog(kIdCancel);
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
