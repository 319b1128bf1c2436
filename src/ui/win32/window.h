// One of our dialogs shown by the Win32 dialog manager: the dialog procedure
// that routes window messages into the dialog's message table, and our
// control interface over the real controls (SendDlgItemMessageA and friends).
#pragma once

#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/win32/bitmap_scaling.h"
#include "ui/win32/win_api.h"

namespace vs {

class Win32Host;

class Win32Window : public Controls {
 public:
  Win32Window(Win32Host& host, Dialog& dialog, bool modal);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle() const { return window_; }
  HWND item(int id) const { return ::GetDlgItem(window_, id); }
  bool ended() const { return ended_; }
  int result() const { return result_; }

  // --- Controls ---
  int checkState(int id) const override;
  void setCheckState(int id, int state) override;
  std::string text(int id) const override;
  void setText(int id, const std::string& text) override;
  void initialiseComboBoxes() override;
  void addComboEntry(int id, const std::string& entry) override;
  int comboCount(int id) const override;
  int comboSelection(int id) const override;
  void setComboSelection(int id, int index) override;
  void setVisible(int id, bool visible) override;
  bool isVisible(int id) const override;
  int insertItem(int id, int index, const std::string& text, int image) override;
  void setItemData(int id, int index, ItemData data) override;
  ItemData itemData(int id, int index) const override;
  void setItemSelectedFocused(int id, int index) override;
  int selectionMark(int id) const override;
  int itemCount(int id) const override;
  ImageListHandle createImageList(int bitmapId, int imageWidth, int grow, ColourRef mask) override;
  int imageCount(ImageListHandle list) const override;
  void setSmallImageList(int id, ImageListHandle list) override;
  void setIconSpacing(int id, int cx, int cy) override;
  void addLine(int id, const std::string& line) override;
  void clearLines(int id) override;
  void repaintNow(int id) override;
  int popupMenu(int id, const std::vector<MenuEntry>& entries) override;
  void setCaption(const std::string& caption) override;
  bool hasSystemMenu() const override;
  bool appendSystemMenuEntry(int commandId, const std::string& text) override;
  void setIcon(IconSize size, int iconId) override;
  void messageBox(const std::string& text, const std::string& title) override;
  bool isMinimised() const override;
  Size clientSize() const override;
  Size systemIconSize() const override;
  void drawIcon(int iconId, int x, int y) override;
  void endDialog(int result) override;
  bool runDefaultSysCommand(unsigned commandId) override;

 private:
  // Setting a control from code must not come back as a user's notification.
  class Quiet {
   public:
    explicit Quiet(const Win32Window& window) : window_(window) { ++window_.quiet_; }
    ~Quiet() { --window_.quiet_; }

   private:
    const Win32Window& window_;
  };

  BOOL initialise(HWND window);
  void fitCheckBoxesToText();
  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR command(WPARAM wParam, LPARAM lParam);
  INT_PTR notify(WPARAM wParam, LPARAM lParam);
  INT_PTR paint();
  // WM_CONTEXTMENU from `control`: a list's item under the pointer, or its
  // selected item when `at` is -1 (a key).
  INT_PTR listContextMenu(HWND control, LPARAM at);
  // A control's context menu asked for at `at` (screen), for `item` of a list.
  INT_PTR contextMenu(int id, int item, POINT at);
  LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  Win32Host& host_;
  Dialog& dialog_;
  bool modal_;
  HWND window_ = nullptr;
  mutable int quiet_ = 0;
  LPARAM sysCommandPoint_ = 0;
  POINT menuAt_{};  // where the last context menu was asked for
  bool painting_ = false;
  HDC paintDc_ = nullptr;
  PAINTSTRUCT paintStruct_{};
  std::vector<HIMAGELIST> imageLists_;
  BitmapPlaces bitmapPlaces_;  // made before the window, so it sees its controls made
  bool ended_ = false;
  int result_ = 0;
};

// The width a one-line check box needs to show its text in its font.
int checkBoxWidthForText(HWND box);

// Every list box of the dialog copies all its lines from its context menu and
// with Ctrl+C.
void makeLogsCopyable(HWND dialog);

}  // namespace vs
