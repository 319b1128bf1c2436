// The mod list: a SysListView32 in small-icon view.
#include "ui/win32/window.h"

namespace vs {

int Win32Window::insertItem(int id, int index, const std::string& text, int image) {
  Quiet quiet(*this);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = image;
  return static_cast<int>(send(id, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void Win32Window::setItemData(int id, int index, ItemData data) {
  Quiet quiet(*this);
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  item.lParam = data;
  send(id, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// A zeroed record stays zero when the index names no item.
ItemData Win32Window::itemData(int id, int index) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!send(id, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return 0;
  return item.lParam;
}

void Win32Window::setItemSelectedFocused(int id, int index) {
  Quiet quiet(*this);
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  send(id, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int Win32Window::selectionMark(int id) const {
  return static_cast<int>(send(id, LVM_GETSELECTIONMARK));
}

int Win32Window::itemCount(int id) const {
  return static_cast<int>(send(id, LVM_GETITEMCOUNT));
}

void Win32Window::setSmallImageList(int id, ImageListHandle list) {
  Quiet quiet(*this);
  HIMAGELIST images =
      list >= 0 && list < static_cast<int>(imageLists_.size()) ? imageLists_[list] : nullptr;
  send(id, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void Win32Window::setIconSpacing(int id, int cx, int cy) {
  Quiet quiet(*this);
  send(id, LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy));
}

}  // namespace vs
