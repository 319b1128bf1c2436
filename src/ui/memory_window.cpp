#include "ui/memory_window.h"

#include <stdexcept>

#include "ui/template_combo_entries.h"

namespace vs {

MemoryWindow::MemoryWindow(const DialogTemplate& tmpl, bool hasSystemMenu,
                           std::function<int(int bitmapId)> bitmapWidth)
    : tmpl_(tmpl),
      bitmapWidth_(std::move(bitmapWidth)),
      caption_(tmpl.caption),
      systemMenuAvailable_(hasSystemMenu) {
  for (const auto& c : tmpl.controls) {
    if (c.id < 0)
      continue;
    MemoryControl& control = controls_[c.id];
    control.kind = c.kind;
    control.text = c.text;
  }
}

MemoryControl& MemoryWindow::control(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}

const MemoryControl& MemoryWindow::control(int id) const {
  auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}

int MemoryWindow::listViewId() const {
  for (const auto& [id, control] : controls_) {
    if (control.kind == ControlKind::listView)
      return id;
  }
  throw std::logic_error("the dialog has no list view");
}

void MemoryWindow::initialiseComboBoxes() {
  addTemplateComboEntries(tmpl_, *this);
}

int MemoryWindow::checkState(int id) const {
  return control(id).check;
}
void MemoryWindow::setCheckState(int id, int state) {
  control(id).check = state;
}
std::string MemoryWindow::text(int id) const {
  return control(id).text;
}
void MemoryWindow::setText(int id, const std::string& text) {
  control(id).text = text;
}

void MemoryWindow::addComboEntry(int id, const std::string& entry) {
  control(id).entries.push_back(entry);
}

int MemoryWindow::comboCount(int id) const {
  return static_cast<int>(control(id).entries.size());
}

int MemoryWindow::comboSelection(int id) const {
  return control(id).selection;
}

void MemoryWindow::setComboSelection(int id, int index) {
  MemoryControl& c = control(id);
  c.selection = index >= 0 && index < static_cast<int>(c.entries.size()) ? index : -1;
}

void MemoryWindow::setVisible(int id, bool visible) {
  control(id).visible = visible;
}
bool MemoryWindow::isVisible(int id) const {
  return control(id).visible;
}

int MemoryWindow::insertItem(int id, int index, const std::string& text, int image) {
  auto& items = control(id).items;
  if (index < 0 || index > static_cast<int>(items.size()))
    index = static_cast<int>(items.size());
  items.insert(items.begin() + index, MemoryItem{text, image});
  return index;
}

void MemoryWindow::setItemData(int id, int index, ItemData data) {
  auto& items = control(id).items;
  if (index >= 0 && index < static_cast<int>(items.size()))
    items[index].data = data;
}

ItemData MemoryWindow::itemData(int id, int index) const {
  const auto& items = control(id).items;
  if (index < 0 || index >= static_cast<int>(items.size()))
    return 0;
  return items[index].data;
}

void MemoryWindow::setItemSelectedFocused(int id, int index) {
  MemoryControl& list = control(id);
  if (index < 0 || index >= static_cast<int>(list.items.size()))
    return;
  for (auto& item : list.items) item.selected = item.focused = false;
  list.items[index].selected = list.items[index].focused = true;
  list.selectionMark = index;
}

int MemoryWindow::selectionMark(int id) const {
  return control(id).selectionMark;
}

int MemoryWindow::itemCount(int id) const {
  return static_cast<int>(control(id).items.size());
}

ImageListHandle MemoryWindow::createImageList(int bitmapId, int imageWidth, int, ColourRef) {
  const int count = bitmapWidth_(bitmapId) / (imageWidth > 0 ? imageWidth : 1);
  if (count <= 0)
    return kNoImageList;
  imageLists_.push_back(count);
  return static_cast<ImageListHandle>(imageLists_.size() - 1);
}

int MemoryWindow::imageCount(ImageListHandle list) const {
  const bool known = list >= 0 && list < static_cast<int>(imageLists_.size());
  return known ? imageLists_[list] : 0;
}

void MemoryWindow::setSmallImageList(int id, ImageListHandle list) {
  control(id).imageList = list;
}

void MemoryWindow::setIconSpacing(int id, int cx, int cy) {
  control(id).iconSpacing = {cx, cy};
}

void MemoryWindow::addLine(int id, const std::string& line) {
  control(id).lines.push_back(line);
}

void MemoryWindow::clearLines(int id) {
  control(id).lines.clear();
}

void MemoryWindow::repaintNow(int id) {
  MemoryControl& c = control(id);
  ++c.repaints;
  c.linesAtRepaint.push_back(c.lines.size());
}

bool MemoryWindow::appendSystemMenuEntry(int commandId, const std::string& text) {
  systemMenu_.emplace_back(0, "");
  systemMenu_.emplace_back(commandId, text);
  return true;
}

int MemoryWindow::popupMenu(int, const std::vector<MenuEntry>& entries) {
  return menuChoice ? menuChoice(entries) : 0;
}

void MemoryWindow::messageBox(const std::string& text, const std::string& title) {
  messageBoxes_.push_back({text, title});
}

void MemoryWindow::endDialog(int result) {
  ended_ = true;
  result_ = result;
}

}  // namespace vs
