#include "ui/windowless_host.h"

namespace vs {

std::unique_ptr<MemoryWindow> WindowlessHost::open(Dialog& dialog) {
  const DialogTemplate* tmpl = resources_.findTemplate(dialog.templateId());
  if (tmpl == nullptr)
    return nullptr;
  // Nothing is drawn, so no bitmap is read: image lists stay empty.
  auto window = std::make_unique<MemoryWindow>(*tmpl, false, [](int) { return 0; });
  dialog.attachControls(window.get());
  dialog.OnInitDialog();
  return window;
}

int WindowlessHost::runModal(Dialog&, Dialog*) {
  return -1;
}

std::string WindowlessHost::loadString(int id) const {
  const char* text = resources_.findString(id);
  return text != nullptr ? text : "";
}

}  // namespace vs
