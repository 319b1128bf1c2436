// One dialog's window in the Qt front end: a QDialog built from the dialog's
// template, and the control interface the dialog logic drives it through.
// User actions become messages routed into the dialog's message table.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/dialog_template.h"

class QPainter;

namespace vs {

class QtHost;
class QtWindow;

// The top-level widget. It hands keys, closing, the context menu and paints
// to its QtWindow, so nothing ends the dialog behind the dialog's back.
class DialogWidget : public QDialog {
 public:
  DialogWidget(QtWindow& window, QWidget* parent);

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QtWindow& window_;
};

// Pixel units of the dialog font's base units.
struct BaseUnits {
  int x = 0;
  int y = 0;
};
BaseUnits dialogBaseUnits(const QFont& font);
QRect toPixels(const DialogRect& rect, BaseUnits units);
// At a fractional scale (150 %) a frame line or scroll bar that starts
// between two device pixels is cut or painted over by the control's inner
// parts, which Qt places a whole logical pixel inside the frame. So each
// control's outer rows and columns of pixels (QRect's left, top, right() and
// bottom()) move to the nearest logical pixel that starts on a whole device
// pixel, or outward, for a control grown to its text.
enum class PixelSnap { nearest, outward };
QRect onWholeDevicePixels(const QRect& rect, qreal ratio, PixelSnap snap = PixelSnap::nearest);
QFont dialogFont(const DialogTemplate& tmpl);

class QtWindow : public Controls {
 public:
  QtWindow(QtHost& host, Dialog& dialog, const DialogTemplate& tmpl, QWidget* parent);
  ~QtWindow() override;
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  DialogWidget& widget() { return *widget_; }
  Dialog& dialog() { return dialog_; }
  // The widget of a control id, nullptr when the template has none.
  QWidget* control(int id) const;
  template <class W>
  W* controlAs(int id) const {
    return dynamic_cast<W*>(control(id));
  }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  // The entries added to the system menu; id 0 is a separator.
  const std::vector<std::pair<int, std::string>>& systemMenu() const { return systemMenu_; }
  // The widget that gets the focus when the window opens.
  QWidget* firstTabStop() const;

  // --- from the widgets ---
  void send(Message message, int controlId, MessageArgs args = {});
  void buttonClicked(int id);  // through the dialog's command routing
  void systemCommand(unsigned commandId);
  void paintMinimised(QPainter& painter);
  void closeRequested();  // the window's close button
  // A control's context menu asked for at `globalPos`, for `item` of a list.
  void contextMenu(int id, int item, QPoint globalPos);

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
  int popupMenu(int id, const std::vector<MenuEntry>& entries) override;
  void addLine(int id, const std::string& line) override;
  void clearLines(int id) override;
  void repaintNow(int id) override;
  void setCaption(const std::string& caption) override;
  bool hasSystemMenu() const override { return true; }
  bool appendSystemMenuEntry(int commandId, const std::string& text) override;
  void setIcon(IconSize size, int iconId) override;
  void messageBox(const std::string& text, const std::string& title) override;
  bool isMinimised() const override;
  Size clientSize() const override;
  Size systemIconSize() const override;
  void drawIcon(int iconId, int x, int y) override;
  void endDialog(int result) override;

 private:
  void buildFromTemplate();  // template_builder.cpp
  QWidget* makeControl(const ControlTemplate& c);
  void connectControl(int id, QWidget* w);
  void refreshItemIcons(int id);

  // What a text control was last given, so reading it back returns the same
  // bytes unless the user changed the text.
  struct ShownText {
    std::string bytes;
    QString shown;
  };

  QtHost& host_;
  Dialog& dialog_;
  const DialogTemplate& tmpl_;
  DialogWidget* widget_;  // owned by Qt's parent chain, deleted in the destructor
  BaseUnits units_;
  // A dozen or two controls, looked up twice per log line: a flat list stays
  // in a few cache lines where a tree's nodes do not.
  std::vector<std::pair<int, QWidget*>> controls_;
  std::vector<QWidget*> tabOrder_;
  std::map<int, ShownText> texts_;
  std::vector<std::vector<QIcon>> imageLists_;
  std::map<int, ImageListHandle> listImages_;  // list view id -> image list
  std::vector<std::pair<int, std::string>> systemMenu_;
  QPainter* painter_ = nullptr;  // set while a minimised paint runs
  QPoint menuAt_;                // where the last context menu was asked for
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace vs
