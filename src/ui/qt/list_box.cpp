// archiveLog: the launcher's log list, without selection.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "ui/log_copy.h"
#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs {

LogListWidget::LogListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setUniformItemSizes(true);
  setWordWrap(false);
}

// Paints now when the last paint is a frame old; otherwise the line waits for
// the next call or, at the latest, the return to the event loop.
void LogListWidget::showLatest() {
  const auto now = std::chrono::steady_clock::now();
  if (!paintedOnce_ || now - lastPaint_ >= kFrameInterval) {
    flush();
    return;
  }
  if (!flushQueued_) {
    flushQueued_ = true;
    QTimer::singleShot(0, this, [this] {
      if (flushQueued_)
        flush();
    });
  }
}

void LogListWidget::flush() {
  flushQueued_ = false;
  // A window not yet on screen paints nothing; the frame counts all the same.
  paintedOnce_ = true;
  lastPaint_ = std::chrono::steady_clock::now();
  scrollToBottom();
  viewport()->repaint();
}

void LogListWidget::paintEvent(QPaintEvent* event) {
  paintedOnce_ = true;
  lastPaint_ = std::chrono::steady_clock::now();
  QListWidget::paintEvent(event);
}

void LogListWidget::copyAll() const {
  QApplication::clipboard()->setText(
      joinLogLines<QString>(count(), [this](int i) { return item(i)->text(); }));
}

void LogListWidget::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyAll();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void LogListWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QString::fromLatin1(kCopyLogEntryText), this, [this] { copyAll(); });
  menu.exec(event->globalPos());
}

void QtWindow::addLine(int id, const std::string& line) {
  if (auto* log = controlAs<LogListWidget>(id))
    log->addItem(decodeBytes(line));
}

void QtWindow::clearLines(int id) {
  if (auto* log = controlAs<LogListWidget>(id))
    log->clear();
}

void QtWindow::repaintNow(int id) {
  if (auto* log = controlAs<LogListWidget>(id))
    log->showLatest();
}

}  // namespace vs
