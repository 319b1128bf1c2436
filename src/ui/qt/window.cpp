#include "ui/qt/window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "ui/qt/host.h"
#include "ui/qt/widgets.h"

namespace vs {

DialogWidget::DialogWidget(QtWindow& window, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      window_(window) {}

// Whatever asks QDialog to reject goes through the dialog's exit command.
void DialogWidget::reject() {
  window_.buttonClicked(kIdCancel);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // As in a dialog of the window system: Enter presses a focused push
        // button, and the start command everywhere else.
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button != nullptr && !button->isCheckable() && button->isEnabled()) {
          button->click();
        } else {
          window_.buttonClicked(kIdOk);
        }
        return true;
      }
      if (key->key() == Qt::Key_Escape) {
        window_.buttonClicked(kIdCancel);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
  if (eventFilter(this, event))
    return;
  QDialog::keyPressEvent(event);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  window_.closeRequested();
  if (!window_.ended())
    event->ignore();
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (window_.systemMenu().empty())
    return QDialog::contextMenuEvent(event);
  QMenu menu(this);
  for (const auto& [id, text] : window_.systemMenu()) {
    if (id == 0) {
      menu.addSeparator();
    } else {
      const unsigned command = static_cast<unsigned>(id);
      menu.addAction(decodeBytes(text), this, [this, command] { window_.systemCommand(command); });
    }
  }
  menu.exec(event->globalPos());
}

void DialogWidget::paintEvent(QPaintEvent* event) {
  if (isMinimized()) {
    QPainter painter(this);
    window_.paintMinimised(painter);
    return;
  }
  QDialog::paintEvent(event);
}

QtWindow::QtWindow(QtHost& host, Dialog& dialog, const DialogTemplate& tmpl, QWidget* parent)
    : host_(host), dialog_(dialog), tmpl_(tmpl), widget_(new DialogWidget(*this, parent)) {
  buildFromTemplate();
}

QtWindow::~QtWindow() {
  dialog_.attachControls(nullptr);
  host_.forget(this);
  delete widget_;
}

QWidget* QtWindow::control(int id) const {
  for (const auto& [controlId, widget] : controls_) {
    if (controlId == id)
      return widget;
  }
  return nullptr;
}

QWidget* QtWindow::firstTabStop() const {
  for (QWidget* w : tabOrder_) {
    if (!w->isHidden() && w->isEnabled())
      return w;
  }
  return nullptr;
}

void QtWindow::connectControl(int id, QWidget* w) {
  if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
    QObject::connect(button, &QAbstractButton::clicked, widget_, [this, id] { buttonClicked(id); });
  } else if (auto* combo = dynamic_cast<QComboBox*>(w)) {
    QObject::connect(combo, &QComboBox::activated, widget_,
                     [this, id] { send(Message::comboSelChange, id); });
  }
}

void QtWindow::send(Message message, int controlId, MessageArgs args) {
  if (!ended_)
    dialog_.OnMessage(message, controlId, args);
}

void QtWindow::buttonClicked(int id) {
  if (!ended_)
    dialog_.routeCommand(id);
}

void QtWindow::systemCommand(unsigned commandId) {
  if (!ended_)
    dialog_.routeSysCommand(commandId);
}

void QtWindow::contextMenu(int id, int item, QPoint globalPos) {
  menuAt_ = globalPos;
  MessageArgs args;
  args.lParam = item;
  send(Message::listContextMenu, id, args);
}

int QtWindow::popupMenu(int id, const std::vector<MenuEntry>& entries) {
  QMenu menu(control(id) != nullptr ? control(id) : widget_);
  // Taken from the action's signal, which any way of choosing it emits.
  int chosen = 0;
  for (const MenuEntry& entry : entries) {
    const int command = entry.commandId;
    menu.addAction(decodeBytes(entry.text), widget_, [&chosen, command] { chosen = command; });
  }
  menu.exec(menuAt_);
  return chosen;
}

void QtWindow::closeRequested() {
  systemCommand(kScClose);
}

void QtWindow::paintMinimised(QPainter& painter) {
  painter_ = &painter;
  send(Message::paint, 0);
  painter_ = nullptr;
}

std::string QtWindow::text(int id) const {
  const QWidget* w = control(id);
  if (w == nullptr)
    return {};
  const QString now = shownText(w);
  auto it = texts_.find(id);
  if (it != texts_.end() && it->second.shown == now)
    return it->second.bytes;
  return encodeText(now);
}

void QtWindow::setText(int id, const std::string& text) {
  QWidget* w = control(id);
  if (w == nullptr)
    return;
  // The exchange sets every text each time; setting the text a control
  // already holds would move the caret and the scroll position of what the
  // player is reading or typing.
  const QString wanted = decodeBytes(text);
  QString shown = shownText(w);
  if (shown != heldForm(w, wanted)) {
    const QSignalBlocker blocker(w);
    showText(w, wanted);
    shown = shownText(w);
  }
  texts_[id] = {text, shown};
}

void QtWindow::setVisible(int id, bool visible) {
  if (QWidget* w = control(id))
    w->setVisible(visible);
}

bool QtWindow::isVisible(int id) const {
  const QWidget* w = control(id);
  return w != nullptr && !w->isHidden();
}

void QtWindow::setCaption(const std::string& caption) {
  widget_->setWindowTitle(decodeBytes(caption));
}

// Window managers here offer no system menu to extend: the entries appear in
// the dialog's context menu, and their mnemonic works as a shortcut.
bool QtWindow::appendSystemMenuEntry(int commandId, const std::string& text) {
  systemMenu_.emplace_back(0, std::string());
  systemMenu_.emplace_back(commandId, text);
  auto* action = new QAction(decodeBytes(text), widget_);
  action->setShortcut(QKeySequence::mnemonic(decodeBytes(text)));
  action->setShortcutContext(Qt::WindowShortcut);
  const unsigned command = static_cast<unsigned>(commandId);
  QObject::connect(action, &QAction::triggered, widget_,
                   [this, command] { systemCommand(command); });
  widget_->addAction(action);
  return true;
}

void QtWindow::setIcon(IconSize, int iconId) {
  // One QIcon carries both sizes; the window system picks.
  widget_->setWindowIcon(loadIcon(host_.resources(), iconId));
}

void QtWindow::messageBox(const std::string& text, const std::string& title) {
  QMessageBox box(widget_);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(decodeBytes(title));
  box.setTextFormat(Qt::PlainText);
  QString shown = decodeBytes(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  box.setText(shown);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::WindowModal);
  box.exec();
}

bool QtWindow::isMinimised() const {
  return widget_->isMinimized();
}

Size QtWindow::clientSize() const {
  return {widget_->width(), widget_->height()};
}

Size QtWindow::systemIconSize() const {
  const int side = widget_->style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, widget_);
  return {side, side};
}

void QtWindow::drawIcon(int iconId, int x, int y) {
  if (painter_ == nullptr)
    return;
  const Size size = systemIconSize();
  loadIcon(host_.resources(), iconId).paint(painter_, QRect(x, y, size.width, size.height));
}

void QtWindow::endDialog(int result) {
  ended_ = true;
  result_ = result;
  widget_->done(result);
}

void showText(QWidget* widget, const QString& text) {
  if (auto* button = dynamic_cast<QAbstractButton*>(widget))
    showButtonText(*button, text);
  else if (auto* label = dynamic_cast<QLabel*>(widget))
    label->setText(text);
  else if (auto* line = dynamic_cast<QLineEdit*>(widget))
    line->setText(text);
  else if (auto* edit = dynamic_cast<QPlainTextEdit*>(widget))
    edit->setPlainText(heldForm(edit, text));
  else if (auto* group = dynamic_cast<QGroupBox*>(widget))
    group->setTitle(text);
  else
    widget->setWindowTitle(text);
}

QString heldForm(const QWidget* widget, const QString& text) {
  if (dynamic_cast<const QPlainTextEdit*>(widget) != nullptr)
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

QString shownText(const QWidget* widget) {
  if (auto* button = dynamic_cast<const QAbstractButton*>(widget))
    return button->text();
  if (auto* label = dynamic_cast<const QLabel*>(widget))
    return label->text();
  if (auto* line = dynamic_cast<const QLineEdit*>(widget))
    return line->text();
  if (auto* edit = dynamic_cast<const QPlainTextEdit*>(widget))
    return edit->toPlainText();
  if (auto* group = dynamic_cast<const QGroupBox*>(widget))
    return group->title();
  return widget->windowTitle();
}

}  // namespace vs
