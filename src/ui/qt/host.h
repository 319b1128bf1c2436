// The Qt front end's dialog host: builds a dialog's window from its template
// and runs it modally with QDialog::exec.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/dialog_host.h"
#include "ui/qt/window.h"
#include "ui/resource_table.h"

namespace vs {

class QtHost : public DialogHost {
 public:
  explicit QtHost(const ResourceTable& resources) : resources_(resources) {}
  const ResourceTable& resources() const { return resources_; }

  int runModal(Dialog& dialog, Dialog* owner) override;
  std::string loadString(int id) const override;

  // Builds the window, runs OnInitDialog and shows it without a modal loop of
  // its own, for tests and benchmarks that drive it. nullptr if no template.
  std::unique_ptr<QtWindow> open(Dialog& dialog, Dialog* owner = nullptr);

  // The open window of a dialog, nullptr when it has none.
  QtWindow* windowOf(const Dialog* dialog) const;
  void forget(QtWindow* window);

 private:
  std::unique_ptr<QtWindow> create(Dialog& dialog, Dialog* owner);

  const ResourceTable& resources_;
  std::vector<QtWindow*> windows_;
};

}  // namespace vs
