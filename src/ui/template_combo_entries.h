// The combo-box initialisation of a template given as data: what a front end
// that builds its window from a DialogTemplate adds at the dialog's start.
#pragma once

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace vs {

// Adds each drop-down list's entries, in template order.
void addTemplateComboEntries(const DialogTemplate& tmpl, Controls& controls);

}  // namespace vs
