// A dialog window held in memory: every control of the template as plain
// state, nothing on screen. A dialog runs over it where no window may show
// (a start straight from the command line), and tests drive it like a user.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/dialog_template.h"

namespace vs {

struct MemoryItem {
  std::string text;
  int image = 0;
  ItemData data = 0;
  bool selected = false;
  bool focused = false;
};

struct MemoryControl {
  ControlKind kind = ControlKind::staticText;
  std::string text;
  bool visible = true;
  int check = 0;
  std::vector<std::string> entries;  // combo entries
  int selection = -1;                // combo selection
  std::vector<MemoryItem> items;     // list view
  int selectionMark = -1;
  ImageListHandle imageList = kNoImageList;
  Size iconSpacing;
  std::vector<std::string> lines;  // list box
  int repaints = 0;
  std::vector<std::size_t> linesAtRepaint;  // line count seen by each repaint
};

struct MemoryMessageBox {
  std::string text;
  std::string title;
};

class MemoryWindow : public Controls {
 public:
  // `bitmapWidth` gives a bitmap's width in pixels, from which image lists
  // count their images (0: no such bitmap).
  MemoryWindow(const DialogTemplate& tmpl, bool hasSystemMenu,
               std::function<int(int bitmapId)> bitmapWidth);

  MemoryControl& control(int id);
  const MemoryControl& control(int id) const;
  const std::string& caption() const { return caption_; }
  const std::vector<std::pair<int, std::string>>& systemMenu() const { return systemMenu_; }
  const std::vector<MemoryMessageBox>& messageBoxes() const { return messageBoxes_; }
  const std::map<IconSize, int>& icons() const { return icons_; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  struct DrawnIcon {
    int iconId, x, y;
  };
  const std::vector<DrawnIcon>& drawnIcons() const { return drawnIcons_; }
  void setClientSize(Size size) { clientSize_ = size; }
  void minimise(bool minimised) { minimised_ = minimised; }
  // What a popup menu returns: the entries it was shown, and the command
  // chosen (0: none). Without it, a menu is dismissed.
  std::function<int(const std::vector<MenuEntry>&)> menuChoice;

  // --- Controls ---
  void initialiseComboBoxes() override;
  int checkState(int id) const override;
  void setCheckState(int id, int state) override;
  std::string text(int id) const override;
  void setText(int id, const std::string& text) override;
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
  void setCaption(const std::string& caption) override { caption_ = caption; }
  bool hasSystemMenu() const override { return systemMenuAvailable_; }
  bool appendSystemMenuEntry(int commandId, const std::string& text) override;
  void setIcon(IconSize size, int iconId) override { icons_[size] = iconId; }
  void messageBox(const std::string& text, const std::string& title) override;
  bool isMinimised() const override { return minimised_; }
  Size clientSize() const override { return clientSize_; }
  Size systemIconSize() const override { return {32, 32}; }
  void drawIcon(int iconId, int x, int y) override { drawnIcons_.push_back({iconId, x, y}); }
  void endDialog(int result) override;

 protected:
  int listViewId() const;
  const DialogTemplate& tmpl_;

 private:
  std::function<int(int)> bitmapWidth_;
  std::vector<int> imageLists_;  // image count of each list made
  std::map<int, MemoryControl> controls_;
  std::string caption_;
  std::vector<std::pair<int, std::string>> systemMenu_;  // id 0: separator
  bool systemMenuAvailable_;
  std::vector<MemoryMessageBox> messageBoxes_;
  std::map<IconSize, int> icons_;
  std::vector<DrawnIcon> drawnIcons_;
  bool minimised_ = false;
  Size clientSize_{473, 431};
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace vs
