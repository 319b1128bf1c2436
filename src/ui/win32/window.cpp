#include "ui/win32/window.h"

#include "ui/win32/host.h"
#include "ui/win32/resources.h"
#include "ui/win32/scoped_gdi.h"

namespace vs {

Win32Window::Win32Window(Win32Host& host, Dialog& dialog, bool modal)
    : host_(host), dialog_(dialog), modal_(modal) {}

Win32Window::~Win32Window() {
  // An image list set on the list view goes with it (no LVS_SHAREIMAGELISTS).
  host_.untrack(&dialog_);
  if (!modal_ && window_ != nullptr && ::IsWindow(window_)) {
    ::SetWindowLongPtrA(window_, DWLP_USER, 0);
    ::DestroyWindow(window_);
    dialog_.attachControls(nullptr);
  }
}

INT_PTR CALLBACK Win32Window::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32Window*>(lParam);
    ::SetWindowLongPtrA(window, DWLP_USER, lParam);
    return self->initialise(window);
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) belong to the dialog manager.
  auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrA(window, DWLP_USER));
  return self == nullptr ? FALSE : self->handleMessage(message, wParam, lParam);
}

BOOL Win32Window::initialise(HWND window) {
  window_ = window;
  bitmapPlaces_.fit();
  fitCheckBoxesToText();
  makeLogsCopyable(window);
  host_.track(&dialog_, this);
  dialog_.attachControls(this);
  // TRUE lets the dialog manager give the focus to the first tab stop.
  return dialog_.OnInitDialog() ? TRUE : FALSE;
}

INT_PTR Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return command(wParam, lParam);
    case WM_NOTIFY:
      return notify(wParam, lParam);
    case WM_SYSCOMMAND:
      // What the message table leaves alone comes back to the window's own
      // handling through runDefaultSysCommand, at the same point.
      sysCommandPoint_ = lParam;
      dialog_.routeSysCommand(static_cast<unsigned>(wParam));
      return TRUE;
    case WM_PAINT:
      return paint();
    case WM_CONTEXTMENU:
      return listContextMenu(reinterpret_cast<HWND>(wParam), lParam);
    case WM_QUERYDRAGICON: {
      MessageArgs args{wParam, lParam};
      if (!dialog_.OnMessage(Message::queryDragIcon, 0, args))
        return FALSE;
      return reinterpret_cast<INT_PTR>(
          loadResourceIcon(host_.instance(), static_cast<int>(args.result)));
    }
    case WM_NCDESTROY:
      dialog_.attachControls(nullptr);
      window_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR Win32Window::command(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const unsigned code = HIWORD(wParam);
  if (quiet_ > 0 && lParam != 0)
    return FALSE;
  MessageArgs args{wParam, lParam};
  // Enter and Escape come as clicks on OK and Cancel, and so does closing the
  // window through the dialog manager.
  if (code == BN_CLICKED)
    return dialog_.routeCommand(id, args) ? TRUE : FALSE;
  if (code == CBN_SELCHANGE)
    return dialog_.OnMessage(Message::comboSelChange, id, args) ? TRUE : FALSE;
  return FALSE;
}

INT_PTR Win32Window::notify(WPARAM wParam, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header == nullptr || quiet_ > 0)
    return FALSE;
  Message message;
  if (header->code == static_cast<UINT>(NM_CLICK))
    message = Message::listClick;
  else if (header->code == static_cast<UINT>(NM_DBLCLK))
    message = Message::listDoubleClick;
  else
    return FALSE;
  MessageArgs args{wParam, lParam};
  if (!dialog_.OnMessage(message, static_cast<int>(header->idFrom), args))
    return FALSE;
  ::SetWindowLongPtrA(window_, DWLP_MSGRESULT, args.result);
  return TRUE;
}

INT_PTR Win32Window::paint() {
  // The dialog draws only while minimised; a paint context is opened when it
  // does, and otherwise the dialog manager paints as usual.
  MessageArgs args;
  painting_ = true;
  dialog_.OnMessage(Message::paint, 0, args);
  painting_ = false;
  if (paintDc_ == nullptr)
    return FALSE;
  ::EndPaint(window_, &paintStruct_);
  paintDc_ = nullptr;
  return TRUE;
}

void Win32Window::drawIcon(int iconId, int x, int y) {
  HICON icon = loadResourceIcon(host_.instance(), iconId);
  if (painting_) {
    if (paintDc_ == nullptr) {
      paintDc_ = ::BeginPaint(window_, &paintStruct_);
      ::SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paintDc_), 0);
    }
    ::DrawIcon(paintDc_, x, y, icon);
  } else {
    ::DrawIcon(WindowDc(window_).get(), x, y, icon);
  }
}

bool Win32Window::runDefaultSysCommand(unsigned commandId) {
  // The window manager's own handling: moving, minimising, and closing, which
  // comes back as Cancel through the dialog manager.
  ::DefWindowProcA(window_, WM_SYSCOMMAND, commandId, sysCommandPoint_);
  return true;
}

INT_PTR Win32Window::contextMenu(int id, int item, POINT at) {
  menuAt_ = at;
  MessageArgs args;
  args.lParam = item;
  return dialog_.OnMessage(Message::listContextMenu, id, args) ? TRUE : FALSE;
}

// TPM_RETURNCMD: the choice comes back here, not as a WM_COMMAND.
int Win32Window::popupMenu(int, const std::vector<MenuEntry>& entries) {
  HMENU menu = ::CreatePopupMenu();
  if (menu == nullptr)
    return 0;
  for (const MenuEntry& entry : entries)
    ::AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.commandId), entry.text.c_str());
  const int chosen = static_cast<int>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                       menuAt_.x, menuAt_.y, 0, window_, nullptr));
  ::DestroyMenu(menu);
  return chosen;
}

LRESULT Win32Window::send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessageA(window_, id, message, wParam, lParam);
}

void Win32Window::setCaption(const std::string& caption) {
  ::SetWindowTextA(window_, caption.c_str());
}

bool Win32Window::hasSystemMenu() const {
  return ::GetSystemMenu(window_, FALSE) != nullptr;
}

bool Win32Window::appendSystemMenuEntry(int commandId, const std::string& text) {
  HMENU menu = ::GetSystemMenu(window_, FALSE);
  if (menu == nullptr)
    return false;
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(commandId), text.c_str());
  return true;
}

void Win32Window::setIcon(IconSize size, int iconId) {
  const WPARAM which = size == IconSize::big ? ICON_BIG : ICON_SMALL;
  ::SendMessageA(window_, WM_SETICON, which,
                 reinterpret_cast<LPARAM>(loadResourceIcon(host_.instance(), iconId)));
}

void Win32Window::messageBox(const std::string& text, const std::string& title) {
  ::MessageBoxA(window_, text.c_str(), title.c_str(), MB_OK);
}

bool Win32Window::isMinimised() const {
  return ::IsIconic(window_) != FALSE;
}

Size Win32Window::clientSize() const {
  RECT rect{};
  ::GetClientRect(window_, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

Size Win32Window::systemIconSize() const {
  return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
}

void Win32Window::endDialog(int result) {
  ended_ = true;
  result_ = result;
  if (modal_)
    ::EndDialog(window_, result);
  else
    ::ShowWindow(window_, SW_HIDE);
}

}  // namespace vs
