// The headless front end: opens dialogs as in-memory windows for tests and
// benchmarks, and answers nested modal runs through a test-chosen script.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog/resources.h"
#include "support/headless/headless_window.h"
#include "ui/dialog_host.h"
#include "ui/resource_table.h"

namespace vs {

class HeadlessHost : public DialogHost {
 public:
  // The program's own resources unless a test hands others.
  explicit HeadlessHost(const ResourceTable& resources = starterResources());

  // Creates the window, fills its combo boxes and runs OnInitDialog; the
  // window then stays open for the test to drive. nullptr if no template.
  std::unique_ptr<HeadlessWindow> open(Dialog& dialog);

  // A nested modal run (the About box): opens the dialog, hands its window to
  // `modalScript` (by default a press on OK) and returns the result.
  int runModal(Dialog& dialog, Dialog* owner) override;
  std::string loadString(int id) const override;

  std::function<void(HeadlessWindow&)> modalScript;
  std::vector<int> modalRuns;  // template ids, in order
  const ResourceTable& resources;
  std::map<int, std::string> strings;      // from the table; a test may change them
  mutable std::vector<int> loadedStrings;  // ids, in order
  bool windowsHaveSystemMenu = true;       // for the windows opened from now on
  int bitmapWidth(int bitmapId) const;
  std::map<int, int> bitmapWidths;  // bitmap id -> width in pixels
};

}  // namespace vs
