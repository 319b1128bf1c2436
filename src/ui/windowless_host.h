// Runs a dialog where no window may show: over a window in memory, from the
// same templates and strings as the real front ends.
#pragma once

#include <memory>

#include "ui/dialog_host.h"
#include "ui/memory_window.h"
#include "ui/resource_table.h"

namespace vs {

class WindowlessHost : public DialogHost {
 public:
  explicit WindowlessHost(const ResourceTable& resources) : resources_(resources) {}

  // The dialog initialised over a window in memory, which stays attached
  // for the caller to use; nullptr when the template is missing.
  std::unique_ptr<MemoryWindow> open(Dialog& dialog);

  // A nested dialog cannot be answered by anyone: it fails as a window that
  // cannot be made.
  int runModal(Dialog& dialog, Dialog* owner) override;
  std::string loadString(int id) const override;

 private:
  const ResourceTable& resources_;
};

}  // namespace vs
