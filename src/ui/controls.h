// The control interface the dialog logic is written against. Each front end
// (Qt, Win32, headless) implements it over its own controls; setting a control
// from here never fires a notification back into the dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/colour_ref.h"

namespace vs {

// An opaque handle to an image list created by the front end; -1 is none.
using ImageListHandle = int;
constexpr ImageListHandle kNoImageList = -1;

// Item data of a list-view item (the Win32 LPARAM); 0 is none.
using ItemData = std::intptr_t;

struct Size {
  int width = 0;
  int height = 0;
};

enum class IconSize { big, little };

struct MenuEntry {
  int commandId;  // not 0
  std::string text;
};

class Controls {
 public:
  virtual ~Controls() = default;

  // Buttons and check boxes (automatic check boxes: 0 unticked, 1 ticked, 2 third state).
  virtual int checkState(int id) const = 0;
  virtual void setCheckState(int id, int state) = 0;

  // The window text of a control: edit contents, button caption, static text.
  virtual std::string text(int id) const = 0;
  virtual void setText(int id, const std::string& text) = 0;

  // Drop-down lists. The template's initialisation data fills them once,
  // at the start of the dialog's initialisation.
  virtual void initialiseComboBoxes() = 0;
  virtual void addComboEntry(int id, const std::string& entry) = 0;
  virtual int comboCount(int id) const = 0;
  virtual int comboSelection(int id) const = 0;           // -1 when none is selected
  virtual void setComboSelection(int id, int index) = 0;  // outside the list: none

  virtual void setVisible(int id, bool visible) = 0;
  virtual bool isVisible(int id) const = 0;

  // List view (small-icon view, single selection).
  virtual int insertItem(int id, int index, const std::string& text, int image) = 0;
  virtual void setItemData(int id, int index, ItemData data) = 0;
  virtual ItemData itemData(int id, int index) const = 0;  // 0 when no such item
  virtual void setItemSelectedFocused(int id, int index) = 0;
  virtual int selectionMark(int id) const = 0;  // -1 when none
  virtual int itemCount(int id) const = 0;
  // Cuts a bitmap strip into images; pixels of the mask colour are transparent.
  virtual ImageListHandle createImageList(int bitmapId, int imageWidth, int grow,
                                          ColourRef mask) = 0;
  virtual int imageCount(ImageListHandle list) const = 0;  // 0 for kNoImageList
  virtual void setSmallImageList(int id, ImageListHandle list) = 0;
  virtual void setIconSpacing(int id, int cx, int cy) = 0;

  // List box used as a log.
  virtual void addLine(int id, const std::string& line) = 0;
  virtual void clearLines(int id) = 0;
  virtual void repaintNow(int id) = 0;

  // A popup menu where the control's context menu was asked for (the pointer,
  // or the selected item for a key); returns the chosen entry's command, 0
  // when the menu was dismissed.
  virtual int popupMenu(int id, const std::vector<MenuEntry>& entries) = 0;

  // The dialog window itself.
  virtual void setCaption(const std::string& caption) = 0;
  virtual bool hasSystemMenu() const = 0;
  // Appends a separator and a text entry to the system menu; false when there is none.
  virtual bool appendSystemMenuEntry(int commandId, const std::string& text) = 0;
  virtual void setIcon(IconSize size, int iconId) = 0;
  virtual void messageBox(const std::string& text, const std::string& title) = 0;
  virtual bool isMinimised() const = 0;
  virtual Size clientSize() const = 0;
  virtual Size systemIconSize() const = 0;
  virtual void drawIcon(int iconId, int x, int y) = 0;
  virtual void endDialog(int result) = 0;
  // Has the window system carry out a system command the dialog leaves to it
  // (moving, minimising, closing); false when the front end has no such default.
  virtual bool runDefaultSysCommand(unsigned commandId) {
    (void)commandId;
    return false;
  }
};

}  // namespace vs
