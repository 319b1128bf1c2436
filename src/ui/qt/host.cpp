#include "ui/qt/host.h"

#include <algorithm>

#include "ui/qt/widgets.h"

namespace vs {

std::unique_ptr<QtWindow> QtHost::create(Dialog& dialog, Dialog* owner) {
  const DialogTemplate* tmpl = resources_.findTemplate(dialog.templateId());
  if (tmpl == nullptr)
    return nullptr;
  QtWindow* ownerWindow = windowOf(owner);
  auto window = std::make_unique<QtWindow>(*this, dialog, *tmpl,
                                           ownerWindow ? &ownerWindow->widget() : nullptr);
  windows_.push_back(window.get());
  dialog.attachControls(window.get());
  // A true result hands the focus to the first tab stop, as a dialog manager does.
  if (dialog.OnInitDialog()) {
    if (QWidget* first = window->firstTabStop())
      first->setFocus(Qt::OtherFocusReason);
  }
  return window;
}

int QtHost::runModal(Dialog& dialog, Dialog* owner) {
  auto window = create(dialog, owner);
  if (!window)
    return -1;
  // EndDialog during the initialisation ends the run before it is shown.
  if (!window->ended())
    window->widget().exec();
  return window->ended() ? window->result() : -1;
}

std::unique_ptr<QtWindow> QtHost::open(Dialog& dialog, Dialog* owner) {
  auto window = create(dialog, owner);
  if (window && !window->ended())
    window->widget().show();
  return window;
}

std::string QtHost::loadString(int id) const {
  const char* text = resources_.findString(id);
  return text ? text : std::string();
}

QtWindow* QtHost::windowOf(const Dialog* dialog) const {
  if (dialog == nullptr)
    return nullptr;
  for (QtWindow* window : windows_) {
    if (&window->dialog() == dialog)
      return window;
  }
  return nullptr;
}

void QtHost::forget(QtWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace vs
