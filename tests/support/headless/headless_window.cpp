#include "support/headless/headless_window.h"

#include <stdexcept>

#include "support/headless/headless_host.h"
#include "ui/template_combo_entries.h"

namespace vs {

HeadlessWindow::HeadlessWindow(HeadlessHost& host, Dialog& dialog, const DialogTemplate& tmpl)
    : host_(host),
      dialog_(dialog),
      tmpl_(tmpl),
      caption_(tmpl.caption),
      systemMenuAvailable_(host.windowsHaveSystemMenu) {
  for (const auto& c : tmpl.controls) {
    if (c.id < 0)
      continue;
    HeadlessControl& control = controls_[c.id];
    control.kind = c.kind;
    control.text = c.text;
  }
}

HeadlessControl& HeadlessWindow::control(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}

const HeadlessControl& HeadlessWindow::control(int id) const {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}

void HeadlessWindow::send(Message message, int controlId, MessageArgs args) {
  dialog_.OnMessage(message, controlId, args);
}

int HeadlessWindow::listViewId() const {
  for (const auto& [id, control] : controls_) {
    if (control.kind == ControlKind::listView)
      return id;
  }
  throw std::logic_error("the dialog has no list view");
}

void HeadlessWindow::click(int id) {
  HeadlessControl& c = control(id);
  if (c.kind == ControlKind::checkBox || c.kind == ControlKind::pushLikeCheck) {
    c.check = c.check == 0 ? 1 : 0;
  }
  command(id);
}

void HeadlessWindow::command(int id) {
  if (ended_)
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

void HeadlessWindow::initialiseComboBoxes() {
  addTemplateComboEntries(tmpl_, *this);
}

int HeadlessWindow::checkState(int id) const {
  return control(id).check;
}
void HeadlessWindow::setCheckState(int id, int state) {
  control(id).check = state;
}
std::string HeadlessWindow::text(int id) const {
  return control(id).text;
}
void HeadlessWindow::setText(int id, const std::string& text) {
  control(id).text = text;
}

void HeadlessWindow::addComboEntry(int id, const std::string& entry) {
  control(id).entries.push_back(entry);
}

int HeadlessWindow::comboCount(int id) const {
  return static_cast<int>(control(id).entries.size());
}

int HeadlessWindow::comboSelection(int id) const {
  return control(id).selection;
}

void HeadlessWindow::setComboSelection(int id, int index) {
  HeadlessControl& c = control(id);
  c.selection = index >= 0 && index < static_cast<int>(c.entries.size()) ? index : -1;
}

void HeadlessWindow::setVisible(int id, bool visible) {
  control(id).visible = visible;
}
bool HeadlessWindow::isVisible(int id) const {
  return control(id).visible;
}

int HeadlessWindow::insertItem(int id, int index, const std::string& text, int image) {
  auto& items = control(id).items;
  if (index < 0 || index > static_cast<int>(items.size()))
    index = static_cast<int>(items.size());
  items.insert(items.begin() + index, HeadlessItem{text, image});
  return index;
}

void HeadlessWindow::setItemData(int id, int index, ItemData data) {
  auto& items = control(id).items;
  if (index >= 0 && index < static_cast<int>(items.size()))
    items[index].data = data;
}

ItemData HeadlessWindow::itemData(int id, int index) const {
  const auto& items = control(id).items;
  if (index < 0 || index >= static_cast<int>(items.size()))
    return 0;
  return items[index].data;
}

void HeadlessWindow::setItemSelectedFocused(int id, int index) {
  HeadlessControl& list = control(id);
  if (index < 0 || index >= static_cast<int>(list.items.size()))
    return;
  for (auto& item : list.items) item.selected = item.focused = false;
  list.items[index].selected = list.items[index].focused = true;
  list.selectionMark = index;
}

int HeadlessWindow::selectionMark(int id) const {
  return control(id).selectionMark;
}

int HeadlessWindow::itemCount(int id) const {
  return static_cast<int>(control(id).items.size());
}

ImageListHandle HeadlessWindow::createImageList(int bitmapId, int imageWidth, int, ColourRef) {
  const int count = host_.bitmapWidth(bitmapId) / (imageWidth > 0 ? imageWidth : 1);
  if (count <= 0)
    return kNoImageList;
  imageLists_.push_back(count);
  return static_cast<ImageListHandle>(imageLists_.size() - 1);
}

int HeadlessWindow::imageCount(ImageListHandle list) const {
  const bool known = list >= 0 && list < static_cast<int>(imageLists_.size());
  return known ? imageLists_[list] : 0;
}

void HeadlessWindow::setSmallImageList(int id, ImageListHandle list) {
  control(id).imageList = list;
}

void HeadlessWindow::setIconSpacing(int id, int cx, int cy) {
  control(id).iconSpacing = {cx, cy};
}

void HeadlessWindow::addLine(int id, const std::string& line) {
  control(id).lines.push_back(line);
}

void HeadlessWindow::clearLines(int id) {
  control(id).lines.clear();
}

void HeadlessWindow::repaintNow(int id) {
  HeadlessControl& c = control(id);
  ++c.repaints;
  c.linesAtRepaint.push_back(c.lines.size());
}

bool HeadlessWindow::appendSystemMenuEntry(int commandId, const std::string& text) {
  systemMenu_.emplace_back(0, "");
  systemMenu_.emplace_back(commandId, text);
  return true;
}

void HeadlessWindow::messageBox(const std::string& text, const std::string& title) {
  messageBoxes_.push_back({text, title});
}

void HeadlessWindow::endDialog(int result) {
  ended_ = true;
  result_ = result;
}

}  // namespace vs
