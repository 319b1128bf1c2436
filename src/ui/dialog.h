// Base of our dialogs: a template id, a modal run through the front end, the
// data-exchange transfer and the routing of commands, OK and Cancel.
#pragma once

#include "ui/controls.h"
#include "ui/data_exchange.h"
#include "ui/dialog_host.h"
#include "ui/messages.h"

namespace vs {

// The command ids of OK (Enter) and Cancel (Escape), which are also the
// results a dialog ends with, and the system command that closes a window.
// Named apart from the window system's macros of the same values.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr unsigned kScClose = 0xF060;

class Dialog {
 public:
  Dialog(int templateId, DialogHost& host) : templateId_(templateId), host_(host) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int templateId() const { return templateId_; }
  int DoModal(Dialog* owner = nullptr) { return host_.runModal(*this, owner); }

  // Called by the front end while the dialog's window exists.
  void attachControls(Controls* controls) { controls_ = controls; }
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // Routes a message through the dialog's message table; false means "not handled".
  virtual bool OnMessage(Message message, int controlId, MessageArgs& args);

  // What the window does with a system command the dialog leaves alone.
  void DefaultSysCommand(unsigned commandId);

  // What every front end does with a user's action: the message table first;
  // a click on OK or Cancel that the table leaves alone ends in OnOK or
  // OnCancel, a system command in DefaultSysCommand. routeCommand is false
  // when nothing took the command.
  bool routeCommand(int controlId, MessageArgs args = {});
  void routeSysCommand(unsigned commandId);

  bool UpdateData(bool saveAndValidate = true);
  void EndDialog(int result);

 protected:
  virtual void DoDataExchange(DataExchange& dx);
  Controls& controls() { return *controls_; }
  DialogHost& host() { return host_; }

 private:
  int templateId_;
  DialogHost& host_;
  Controls* controls_ = nullptr;
};

}  // namespace vs
