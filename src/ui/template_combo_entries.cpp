#include "ui/template_combo_entries.h"

namespace vs {

void addTemplateComboEntries(const DialogTemplate& tmpl, Controls& controls) {
  for (const ControlTemplate& c : tmpl.controls) {
    if (c.kind != ControlKind::comboDropList)
      continue;
    for (const std::string& entry : c.entries) controls.addComboEntry(c.id, entry);
  }
}

}  // namespace vs
