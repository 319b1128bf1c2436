#include "support/headless/headless_host.h"

#include "dialog/control_ids.h"

namespace vs {

HeadlessHost::HeadlessHost(const ResourceTable& table)
    : modalScript([](HeadlessWindow& window) { window.click(kIdOk); }),
      resources(table),
      // The widths of res/mod_images.bmp and res/banner.bmp.
      bitmapWidths{{IDB_MODIMAGES, 720}, {IDB_BANNER, 474}} {
  for (const StringResource& entry : table.strings) strings[entry.id] = entry.text;
}

std::unique_ptr<HeadlessWindow> HeadlessHost::open(Dialog& dialog) {
  const DialogTemplate* tmpl = resources.findTemplate(dialog.templateId());
  if (tmpl == nullptr)
    return nullptr;
  auto window = std::make_unique<HeadlessWindow>(*this, dialog, *tmpl);
  dialog.attachControls(window.get());
  dialog.OnInitDialog();
  return window;
}

int HeadlessHost::runModal(Dialog& dialog, Dialog*) {
  modalRuns.push_back(dialog.templateId());
  auto window = open(dialog);
  if (!window)
    return -1;
  if (modalScript)
    modalScript(*window);
  dialog.attachControls(nullptr);
  return window->ended() ? window->result() : -1;
}

std::string HeadlessHost::loadString(int id) const {
  loadedStrings.push_back(id);
  auto it = strings.find(id);
  return it == strings.end() ? std::string() : it->second;
}

int HeadlessHost::bitmapWidth(int bitmapId) const {
  auto it = bitmapWidths.find(bitmapId);
  return it == bitmapWidths.end() ? 0 : it->second;
}

}  // namespace vs
