// archiveLog: the launcher's log list, without selection.
#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <string>
#include <string_view>
#include <vector>

#include "ui/log_copy.h"
#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs {

// Draws a line as the standard delegate places it, from a text laid out once:
// a log line never changes, and laying out the few visible rows again at
// every paint cost more than the rest of the paint. The current row with the
// focus frame is left to the standard delegate.
class LogLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void forget() { laidOut_.clear(); }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (option.state & (QStyle::State_HasFocus | QStyle::State_Selected)) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    const QWidget* view = option.widget;
    const QStyle* style = view != nullptr ? view->style() : nullptr;
    const int margin =
        (style != nullptr ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) : 2) +
        1;
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText& text = laidOut(index, option.font, textRect.width());
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                               : QPalette::Inactive;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(group, QPalette::Text));
    const QSizeF size = text.size();
    painter->drawStaticText(
        QPointF(textRect.left(), textRect.top() + (textRect.height() - size.height()) / 2), text);
    painter->restore();
  }

 private:
  struct Line {
    int width;
    QStaticText text;
  };

  // The rows last painted; a screenful is a few dozen, so the whole store
  // is dropped now and then rather than kept in order.
  const QStaticText& laidOut(const QModelIndex& index, const QFont& font, int width) const {
    auto it = laidOut_.find(index.row());
    if (it == laidOut_.end() || it->width != width) {
      if (laidOut_.size() > 512)
        laidOut_.clear();
      const QString elided =
          QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight, width);
      QStaticText text(elided);
      text.setTextFormat(Qt::PlainText);
      text.prepare(QTransform(), font);
      it = laidOut_.insert(index.row(), Line{width, text});
    }
    return it->text;
  }

  mutable QHash<int, Line> laidOut_;
};

// The log's lines, their bytes end to end in one block, so adding a line
// costs no allocation of its own. Lines the view has not been told of yet are
// not rows yet.
class LogLines : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void add(std::string_view line) {
    bytes_.append(line);
    ends_.push_back(bytes_.size());
  }

  // The lines added since the last call become rows, in one insertion.
  void showWaiting() {
    const auto total = static_cast<int>(ends_.size());
    if (total == shown_)
      return;
    beginInsertRows(QModelIndex(), shown_, total - 1);
    shown_ = total;
    endInsertRows();
  }

  void clear() {
    beginResetModel();
    bytes_.clear();
    ends_.clear();
    shown_ = 0;
    endResetModel();
  }

  QString text(int row) const {
    const std::size_t begin = row == 0 ? 0 : ends_[static_cast<std::size_t>(row) - 1];
    return decodeBytes(
        std::string_view(bytes_).substr(begin, ends_[static_cast<std::size_t>(row)] - begin));
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : shown_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
      return {};
    return text(index.row());
  }

 private:
  std::string bytes_;
  std::vector<std::size_t> ends_;
  int shown_ = 0;
};

LogListWidget::LogListWidget(QWidget* parent) : QListView(parent) {
  setModel(lines_ = new LogLines(this));
  setItemDelegate(delegate_ = new LogLineDelegate(this));
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  setWordWrap(false);
}

void LogListWidget::append(const std::string& line) {
  lines_->add(line);
  queueFlush();
}

void LogListWidget::clearLines() {
  delegate_->forget();
  lines_->clear();
}

// Paints now when the last paint is a frame old; otherwise the line waits for
// the next call or, at the latest, the return to the event loop.
void LogListWidget::showLatest() {
  const auto now = std::chrono::steady_clock::now();
  if (!paintedOnce_ || now - lastPaint_ >= kFrameInterval) {
    flush();
    return;
  }
  queueFlush();
}

void LogListWidget::queueFlush() {
  if (flushQueued_)
    return;
  flushQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    if (flushQueued_)
      flush();
  });
}

void LogListWidget::flush() {
  flushQueued_ = false;
  lines_->showWaiting();
  // A window not yet on screen paints nothing; the frame counts all the same.
  paintedOnce_ = true;
  lastPaint_ = std::chrono::steady_clock::now();
  scrollToBottom();
  viewport()->repaint();
}

void LogListWidget::paintEvent(QPaintEvent* event) {
  paintedOnce_ = true;
  lastPaint_ = std::chrono::steady_clock::now();
  QListView::paintEvent(event);
}

void LogListWidget::copyAll() {
  lines_->showWaiting();
  QApplication::clipboard()->setText(joinLogLines<QString>(
      lines_->rowCount(QModelIndex()), [this](int i) { return lines_->text(i); }));
}

void LogListWidget::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyAll();
    return;
  }
  QListView::keyPressEvent(event);
}

void LogListWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QString::fromLatin1(kCopyLogEntryText), this, [this] { copyAll(); });
  menu.exec(event->globalPos());
}

void QtWindow::addLine(int id, const std::string& line) {
  if (auto* log = controlAs<LogListWidget>(id))
    log->append(line);
}

void QtWindow::clearLines(int id) {
  if (auto* log = controlAs<LogListWidget>(id))
    log->clearLines();
}

void QtWindow::repaintNow(int id) {
  if (auto* log = controlAs<LogListWidget>(id))
    log->showLatest();
}

}  // namespace vs
