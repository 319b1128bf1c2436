#include "support/headless/headless_window.h"

#include "support/headless/headless_host.h"

namespace vs {

HeadlessWindow::HeadlessWindow(HeadlessHost& host, Dialog& dialog, const DialogTemplate& tmpl)
    : MemoryWindow(tmpl, host.windowsHaveSystemMenu,
                   [&host](int bitmapId) { return host.bitmapWidth(bitmapId); }),
      dialog_(dialog) {}

void HeadlessWindow::send(Message message, int controlId, MessageArgs args) {
  dialog_.OnMessage(message, controlId, args);
}

void HeadlessWindow::click(int id) {
  HeadlessControl& c = control(id);
  if (c.kind == ControlKind::checkBox || c.kind == ControlKind::pushLikeCheck) {
    c.check = c.check == 0 ? 1 : 0;
  }
  command(id);
}

void HeadlessWindow::command(int id) {
  if (ended())
    throw std::logic_error("command to an ended dialog");
  dialog_.routeCommand(id);
}

void HeadlessWindow::clickItem(int index) {
  const int id = listViewId();
  HeadlessControl& list = control(id);
  for (auto& item : list.items) item.selected = item.focused = false;
  if (index >= 0 && index < static_cast<int>(list.items.size())) {
    list.items[index].selected = list.items[index].focused = true;
    list.selectionMark = index;
  }
  send(Message::listClick, id);
}

void HeadlessWindow::doubleClickItem(int index) {
  clickItem(index);
  send(Message::listDoubleClick, listViewId());
}

void HeadlessWindow::contextMenuOnItem(int index,
                                       std::function<int(const std::vector<MenuEntry>&)> choose) {
  menuChoice = std::move(choose);
  MessageArgs args;
  args.lParam = index;
  send(Message::listContextMenu, listViewId(), args);
  menuChoice = nullptr;
}

void HeadlessWindow::selectCombo(int id, int index) {
  setComboSelection(id, index);
  send(Message::comboSelChange, id);
}

void HeadlessWindow::type(int id, const std::string& text) {
  control(id).text = text;
}

void HeadlessWindow::pressEnter() {
  command(kIdOk);
}

void HeadlessWindow::pressEscape() {
  command(kIdCancel);
}

void HeadlessWindow::systemCommand(unsigned commandId) {
  dialog_.routeSysCommand(commandId);
}

void HeadlessWindow::paint() {
  send(Message::paint, 0);
}

}  // namespace vs
