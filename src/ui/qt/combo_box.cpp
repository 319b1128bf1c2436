// Drop-down lists: entries from the template, a selection of -1 for none.
#include <QComboBox>

#include "ui/qt/widgets.h"
#include "ui/qt/window.h"
#include "ui/template_combo_entries.h"

namespace vs {

void QtWindow::initialiseComboBoxes() {
  addTemplateComboEntries(tmpl_, *this);
}

// Adding an entry selects nothing, though QComboBox would select the first.
void QtWindow::addComboEntry(int id, const std::string& entry) {
  auto* combo = controlAs<QComboBox>(id);
  if (combo == nullptr)
    return;
  const QSignalBlocker blocker(combo);
  const int selection = combo->currentIndex();
  combo->addItem(decodeBytes(entry));
  combo->setCurrentIndex(selection);
}

int QtWindow::comboCount(int id) const {
  const auto* combo = controlAs<QComboBox>(id);
  return combo ? combo->count() : 0;
}

int QtWindow::comboSelection(int id) const {
  const auto* combo = controlAs<QComboBox>(id);
  return combo ? combo->currentIndex() : -1;
}

void QtWindow::setComboSelection(int id, int index) {
  auto* combo = controlAs<QComboBox>(id);
  if (combo == nullptr)
    return;
  const QSignalBlocker blocker(combo);
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace vs
