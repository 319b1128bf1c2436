// modList: a small-icon list in insertion order with single selection.
#include <QAbstractItemDelegate>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <algorithm>

#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs {
namespace {

constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kItemDataRole = Qt::UserRole + 2;

// The image of a row, or none when the list has no image list or the index is outside it.
QIcon iconFor(const std::vector<std::vector<QIcon>>& imageLists,
              const std::map<int, ImageListHandle>& listImages, int id, int image) {
  const auto found = listImages.find(id);
  if (found == listImages.end())
    return QIcon();
  const ImageListHandle handle = found->second;
  const bool known = handle >= 0 && handle < static_cast<int>(imageLists.size()) && image >= 0 &&
                     image < static_cast<int>(imageLists[handle].size());
  return known ? imageLists[handle][image] : QIcon();
}

}  // namespace

ModListWidget::ModListWidget(QtWindow& window, int id, QWidget* parent)
    : QListWidget(parent), window_(window), id_(id) {
  setViewMode(QListView::ListMode);
  setFlow(QListView::TopToBottom);
  setWrapping(false);
  setMovement(QListView::Static);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setWordWrap(false);
  setUniformItemSizes(true);
  setIconSize(QSize(24, 24));
  // The mark follows what is really selected, never Qt's current row alone.
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    const auto selected = selectedItems();
    if (!selected.isEmpty())
      mark_ = row(selected.front());
  });
}

void ModListWidget::selectFromCode(int index) {
  const QSignalBlocker blocker(this);
  setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  mark_ = index;
}

void ModListWidget::setSpacing(QSize spacing) {
  spacing_ = spacing;
  applyGrid();
}

// A list not on screen yet only notes that it has rows to measure: those in
// view are measured when it is shown, the rest right after its first paint.
// Measuring a text is costly (it is shaped), and a long list would otherwise
// keep the player waiting for rows far out of view.
void ModListWidget::fitRow(int row) {
  if (isVisible())
    measureRow(row);
  else
    unmeasured_ = true;
}

void ModListWidget::showEvent(QShowEvent* event) {
  if (unmeasured_) {
    const int rowHeight = gridSize().height() > 0 ? gridSize().height() : sizeHintForRow(0);
    const int inView = viewport()->height() / std::max(1, rowHeight) + 1;
    measureRows(0, inView);
    // The view scrolls to the current row, wherever it is.
    if (const int current = currentRow(); current >= 0)
      measureRows(current - inView, current + inView);
  }
  QListWidget::showEvent(event);
}

void ModListWidget::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (!unmeasured_ || measureQueued_)
    return;
  measureQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    measureQueued_ = false;
    unmeasured_ = false;
    measureRows(0, count() - 1);
  });
}

void ModListWidget::measureRows(int first, int last) {
  for (int row = std::max(first, 0); row <= std::min(last, count() - 1); ++row) measureRow(row);
}

// Only a row whose text and icon are wider than every earlier row's can widen
// the column: the rest of a row (margins) is the same for all, and measuring
// the text alone costs a fraction of the delegate's whole size.
void ModListWidget::measureRow(int row) {
  const QListWidgetItem* rowItem = item(row);
  const qreal extent = QFontMetricsF(font()).horizontalAdvance(rowItem->text()) +
                       (rowItem->icon().isNull() ? 0 : iconSize().width());
  if (extent <= widestExtent_)
    return;
  widestExtent_ = extent;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  widestRow_ =
      std::max(widestRow_, itemDelegate()->sizeHint(option, model()->index(row, 0)).width());
  applyGrid();
}

// Rows as high as the spacing asks. The grid cuts a text to its cell, so the
// column is as wide as the widest row; beyond that, a spacing wider than the
// list would only add a horizontal scroll bar, so it is capped at the list's.
void ModListWidget::applyGrid() {
  if (spacing_.width() <= 0 || spacing_.height() <= 0)
    return;
  const int width = std::max(std::min(spacing_.width(), viewport()->width()), widestRow_);
  setGridSize(QSize(width, spacing_.height()));
}

void ModListWidget::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  applyGrid();
}

void ModListWidget::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton)
    return;
  // The release that ends a double click is not another click.
  if (releaseEndsDoubleClick_) {
    releaseEndsDoubleClick_ = false;
    return;
  }
  window_.send(Message::listClick, id_);
}

void ModListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton)
    return;
  releaseEndsDoubleClick_ = true;
  window_.send(Message::listDoubleClick, id_);
}

// A right click asks for the menu of the item under the pointer; the menu key
// (and Shift+F10, as on Windows) for the selected item, at the item.
void ModListWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Mouse) {
    askForContextMenu(row(itemAt(event->pos())), event->globalPos());
    return;
  }
  askForSelectedItemsMenu();
}

void ModListWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    askForSelectedItemsMenu();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void ModListWidget::askForSelectedItemsMenu() {
  if (const QListWidgetItem* selected = item(mark_))
    askForContextMenu(mark_, viewport()->mapToGlobal(visualItemRect(selected).center()));
}

void ModListWidget::askForContextMenu(int row, QPoint globalPos) {
  if (row >= 0 && row < count())
    window_.contextMenu(id_, row, globalPos);
}

int QtWindow::insertItem(int id, int index, const std::string& text, int image) {
  auto* list = controlAs<ModListWidget>(id);
  if (list == nullptr)
    return -1;
  if (index < 0 || index > list->count())
    index = list->count();
  // Complete before it joins the list: a change after would be announced to
  // the view once more.
  auto* item = new QListWidgetItem(decodeBytes(text));
  item->setData(kImageRole, image);
  item->setIcon(iconFor(imageLists_, listImages_, id, image));
  const QSignalBlocker blocker(list);
  list->insertItem(index, item);
  list->fitRow(index);
  return index;
}

void QtWindow::refreshItemIcons(int id) {
  auto* list = controlAs<ModListWidget>(id);
  auto found = listImages_.find(id);
  if (list == nullptr || found == listImages_.end())
    return;
  for (int row = 0; row < list->count(); ++row) {
    QListWidgetItem* item = list->item(row);
    item->setIcon(iconFor(imageLists_, listImages_, id, item->data(kImageRole).toInt()));
  }
}

void QtWindow::setItemData(int id, int index, ItemData data) {
  auto* list = controlAs<ModListWidget>(id);
  if (list == nullptr || list->item(index) == nullptr)
    return;
  list->item(index)->setData(kItemDataRole, QVariant::fromValue<qlonglong>(data));
}

ItemData QtWindow::itemData(int id, int index) const {
  const auto* list = controlAs<ModListWidget>(id);
  if (list == nullptr || list->item(index) == nullptr)
    return 0;
  return static_cast<ItemData>(list->item(index)->data(kItemDataRole).toLongLong());
}

void QtWindow::setItemSelectedFocused(int id, int index) {
  auto* list = controlAs<ModListWidget>(id);
  if (list != nullptr && list->item(index) != nullptr)
    list->selectFromCode(index);
}

int QtWindow::selectionMark(int id) const {
  const auto* list = controlAs<ModListWidget>(id);
  return list ? list->selectionMark() : -1;
}

int QtWindow::itemCount(int id) const {
  const auto* list = controlAs<ModListWidget>(id);
  return list ? list->count() : 0;
}

void QtWindow::setSmallImageList(int id, ImageListHandle list) {
  listImages_[id] = list;
  refreshItemIcons(id);
}

void QtWindow::setIconSpacing(int id, int cx, int cy) {
  if (auto* list = controlAs<ModListWidget>(id))
    list->setSpacing(QSize(cx, cy));
}

}  // namespace vs
