// The tests' window: a window in memory that tests drive like a user
// (click, select, type) and read back; user actions route through the dialog
// exactly as a front end would.
#pragma once

#include "ui/memory_window.h"

namespace vs {

using HeadlessItem = MemoryItem;
using HeadlessControl = MemoryControl;
using HeadlessMessageBox = MemoryMessageBox;

class HeadlessHost;

class HeadlessWindow : public MemoryWindow {
 public:
  HeadlessWindow(HeadlessHost& host, Dialog& dialog, const DialogTemplate& tmpl);

  // --- what a user does ---
  void click(int id);               // buttons and check boxes of the template
  void clickItem(int index);        // a click on a list item (-1: empty area)
  void doubleClickItem(int index);  // selects, then NM_DBLCLK
  // The context menu of a list item (a right click, or the menu key on the
  // selected one), answered with the entry `choose` picks.
  void contextMenuOnItem(int index, std::function<int(const std::vector<MenuEntry>&)> choose);
  void selectCombo(int id, int index);
  void type(int id, const std::string& text);
  void pressEnter();   // the start command
  void pressEscape();  // the exit command
  void systemCommand(unsigned commandId);
  void paint();

 private:
  void send(Message message, int controlId, MessageArgs args = {});
  void command(int id);  // a click, or a key that stands for one

  Dialog& dialog_;
};

}  // namespace vs
