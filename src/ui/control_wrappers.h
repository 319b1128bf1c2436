// Thin wrappers bound to one control of a running dialog by the data-exchange
// table, so the dialog code reads as calls on its controls.
#pragma once

#include <string>

#include "ui/controls.h"

namespace vs {

class Control {
 public:
  void attach(Controls& controls, int id) {
    controls_ = &controls;
    id_ = id;
  }
  bool attached() const { return controls_ != nullptr; }
  void ShowWindow(bool visible) { controls_->setVisible(id_, visible); }
  void SetWindowText(const std::string& text) { controls_->setText(id_, text); }

 protected:
  Controls* controls_ = nullptr;
  int id_ = 0;
};

class Button : public Control {};

class Static : public Control {};

class Edit : public Control {};

class ComboBox : public Control {
 public:
  void SetCurSel(int index) { controls_->setComboSelection(id_, index); }
};

class ListBox : public Control {
 public:
  void AddString(const std::string& line) { controls_->addLine(id_, line); }
  void ResetContent() { controls_->clearLines(id_); }
  void UpdateWindow() { controls_->repaintNow(id_); }
};

class ListCtrl : public Control {
 public:
  int InsertItem(int index, const std::string& text, int image) {
    return controls_->insertItem(id_, index, text, image);
  }
  void SetItemData(int index, ItemData data) { controls_->setItemData(id_, index, data); }
  ItemData GetItemData(int index) const { return controls_->itemData(id_, index); }
  void SetItemSelectedFocused(int index) { controls_->setItemSelectedFocused(id_, index); }
  int GetSelectionMark() const { return controls_->selectionMark(id_); }
  void SetImageList(ImageListHandle list) { controls_->setSmallImageList(id_, list); }
  void SetIconSpacing(int cx, int cy) { controls_->setIconSpacing(id_, cx, cy); }
};

}  // namespace vs
