// An in-memory dialog window: every control of the template as plain state.
// Tests drive it like a user (click, select, type) and read everything back;
// user actions route through the dialog exactly as a front end would.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/dialog_template.h"

namespace vs {

struct HeadlessItem {
  std::string text;
  int image = 0;
  ItemData data = 0;
  bool selected = false;
  bool focused = false;
};

struct HeadlessControl {
  ControlKind kind = ControlKind::staticText;
  std::string text;
  bool visible = true;
  int check = 0;
  std::vector<std::string> entries;  // combo entries
  int selection = -1;                // combo selection
  std::vector<HeadlessItem> items;   // list view
  int selectionMark = -1;
  ImageListHandle imageList = kNoImageList;
  Size iconSpacing;
  std::vector<std::string> lines;  // list box
  int repaints = 0;
  std::vector<std::size_t> linesAtRepaint;  // line count seen by each repaint
};

struct HeadlessMessageBox {
  std::string text;
  std::string title;
};

struct HeadlessImageList {
  int bitmapId;
  int imageWidth;
  int imageCount;
};

class HeadlessHost;

class HeadlessWindow : public Controls {
 public:
  HeadlessWindow(HeadlessHost& host, Dialog& dialog, const DialogTemplate& tmpl);

  // --- what a user does ---
  void click(int id);               // buttons and check boxes of the template
  void clickItem(int index);        // a click on a list item (-1: empty area)
  void doubleClickItem(int index);  // selects, then NM_DBLCLK
  void selectCombo(int id, int index);
  void type(int id, const std::string& text);
  void pressEnter();   // the start command
  void pressEscape();  // the exit command
  void systemCommand(unsigned commandId);
  void minimise(bool minimised) { minimised_ = minimised; }
  void paint();

  // --- what a test reads ---
  HeadlessControl& control(int id);
  const HeadlessControl& control(int id) const;
  const std::string& caption() const { return caption_; }
  const std::vector<std::pair<int, std::string>>& systemMenu() const { return systemMenu_; }
  const std::vector<HeadlessMessageBox>& messageBoxes() const { return messageBoxes_; }
  const std::map<IconSize, int>& icons() const { return icons_; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  struct DrawnIcon {
    int iconId, x, y;
  };
  const std::vector<DrawnIcon>& drawnIcons() const { return drawnIcons_; }
  void setClientSize(Size size) { clientSize_ = size; }

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

 private:
  void send(Message message, int controlId, MessageArgs args = {});
  void command(int id);  // a click, or a key that stands for one
  int listViewId() const;

  HeadlessHost& host_;
  Dialog& dialog_;
  const DialogTemplate& tmpl_;
  std::vector<int> imageLists_;  // image count of each list made
  std::map<int, HeadlessControl> controls_;
  std::string caption_;
  std::vector<std::pair<int, std::string>> systemMenu_;  // id 0: separator
  bool systemMenuAvailable_;
  std::vector<HeadlessMessageBox> messageBoxes_;
  std::map<IconSize, int> icons_;
  std::vector<DrawnIcon> drawnIcons_;
  bool minimised_ = false;
  Size clientSize_{473, 431};
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace vs
