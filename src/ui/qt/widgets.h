// The Qt widgets behind the launcher's controls, and the resource and text
// helpers they share. Internal to the Qt front end.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "ui/image_scaling.h"
#include "ui/resource_table.h"

namespace vs {

class QtWindow;

// Bytes from INI files and the dialog shown as text: UTF-8 when the bytes are
// valid UTF-8, otherwise the ANSI code page of the player's locale (LC_ALL,
// LC_CTYPE, LANG), as Wine would show them. User input goes back as UTF-8.
QString decodeBytes(std::string_view bytes);
// The bytes in the given code page; an undefined byte shows as the character
// of the same number.
QString decodeCodePage(std::string_view bytes, int codePage);
// The system's conversion of a code page's bytes to UTF-8, which the program
// hands in before the first window (the front end knows no OS service).
// Without one, bytes show as Latin-1.
using CodePageToUtf8 = std::string (*)(std::string_view bytes, int codePage);
void useCodePageConverter(CodePageToUtf8 convert);
std::string encodeText(const QString& text);

// The text a widget shows, whatever its kind; multi-line buttons wrap it.
void showText(QWidget* widget, const QString& text);
QString shownText(const QWidget* widget);
// `text` as the widget holds it once shown: a plain-text edit parts lines
// with LF alone.
QString heldForm(const QWidget* widget, const QString& text);
QString wrapCaption(const QString& text, const QFontMetrics& metrics, int width);
void showButtonText(QAbstractButton& button, const QString& text);

// Resources compiled into the program (res/resources.qrc), by the file names
// of the program's table.
QIcon loadIcon(const ResourceTable& resources, int iconId);
QPixmap loadBitmap(const ResourceTable& resources, int bitmapId);  // null when there is none
// `bitmap` scaled smoothly to `place`; itself when it has that size already.
QPixmap bitmapForPlace(const QPixmap& bitmap, QSize place);
// Our pixels as Qt's picture in `format`: RGB32 opaque, ARGB32 with the
// alpha our pixels carry.
QImage makeImage(const Image& image, QImage::Format format);

// modList: keeps the selection mark as the item really selected (Qt's current
// row moves on its own when the list gets the focus) and reports clicks. Item
// texts show whole: a row too long for the list makes it scroll sideways.
class ModListWidget : public QListWidget {
 public:
  ModListWidget(QtWindow& window, int id, QWidget* parent);
  int selectionMark() const { return mark_; }
  void selectFromCode(int row);
  void setSpacing(QSize spacing);
  void fitRow(int row);  // widens the column to the row's whole text

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void measureRows(int first, int last);
  void measureRow(int row);
  void applyGrid();
  void askForContextMenu(int row, QPoint globalPos);
  void askForSelectedItemsMenu();

  QtWindow& window_;
  int id_;
  int mark_ = -1;
  bool releaseEndsDoubleClick_ = false;
  QSize spacing_{0, 0};
  int widestRow_ = 0;
  qreal widestExtent_ = -1;  // text and icon of the widest row so far
  bool unmeasured_ = false;  // rows added while the list was not on screen
  bool measureQueued_ = false;
};

// archiveLog: a line is shown at once, but paints are gathered to at most one
// per display frame so a long switch is not paint-bound. Its context menu and
// Ctrl+C copy all its lines.
class LogLineDelegate;
class LogLines;

// The lines are kept as the bytes they came as and decoded only when a row
// is painted or copied: a switch logs thousands of lines, of which the player
// sees a screenful. New lines reach the view together at the next paint or,
// at the latest, on the return to the event loop: one insertion per frame
// instead of one per line.
class LogListWidget : public QListView {
 public:
  explicit LogListWidget(QWidget* parent);
  void append(const std::string& line);
  void clearLines();
  void showLatest();
  void copyAll();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void flush();
  void queueFlush();

  LogLines* lines_ = nullptr;
  LogLineDelegate* delegate_ = nullptr;
  bool flushQueued_ = false;
  bool paintedOnce_ = false;
  std::chrono::steady_clock::time_point lastPaint_;
};

constexpr std::chrono::milliseconds kFrameInterval{16};

}  // namespace vs
