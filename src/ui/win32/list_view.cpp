// The mod list: a SysListView32 in small-icon view.
#include "ui/win32/window.h"

namespace vs {
namespace {

bool isListView(HWND control) {
  char name[32] = {};
  ::GetClassNameA(control, name, sizeof name);
  return lstrcmpiA(name, WC_LISTVIEWA) == 0;
}

}  // namespace

// A right click asks for the menu of the item under the pointer; the menu key
// and Shift+F10, which the system's default handling turns into the message
// with no point, for the selected item, at the item.
INT_PTR Win32Window::listContextMenu(HWND control, LPARAM at) {
  if (control == nullptr || ::GetParent(control) != window_ || !isListView(control))
    return FALSE;
  POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  int index = -1;
  if (at == -1) {
    index = static_cast<int>(::SendMessageA(control, LVM_GETSELECTIONMARK, 0, 0));
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (index < 0 || !::SendMessageA(control, LVM_GETITEMRECT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(&rect)))
      return FALSE;
    point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(control, &point);
  } else {
    LVHITTESTINFO hit{};
    hit.pt = point;
    ::ScreenToClient(control, &hit.pt);
    index =
        static_cast<int>(::SendMessageA(control, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if ((hit.flags & LVHT_ONITEM) == 0)
      index = -1;
  }
  if (index < 0 || index >= itemCount(::GetDlgCtrlID(control)))
    return FALSE;
  return contextMenu(::GetDlgCtrlID(control), index, point);
}

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
