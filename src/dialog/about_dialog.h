// The About box (IDD_ABOUTBOX): no members and nothing of its own; its OK
// button ends it through the base OnOK.
#pragma once

#include "dialog/control_ids.h"
#include "ui/dialog.h"

namespace vs {

class AboutDialog : public Dialog {
 public:
  explicit AboutDialog(DialogHost& host) : Dialog(IDD_ABOUTBOX, host) {}
};

}  // namespace vs
