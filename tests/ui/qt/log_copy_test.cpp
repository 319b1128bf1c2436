// Copying the log: Ctrl+C while it has the focus and the "&Copy" entry of its
// context menu put all its lines on the clipboard, LF between them.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "ui/qt/qt_fixture.h"

namespace vs::test {
namespace {

TEST(QtLogCopy, CtrlCAndTheContextMenuCopyEveryLine) {
  QtGame qt;
  QtWindow& w = qt.open();
  auto* log = w.controlAs<QListView>(IDC_ARCHIVELOG);
  ASSERT_NE(log, nullptr);
  for (const char* line :
       {"CALLING \"vornakmod.exe\"", "   -game:a.ini -zwindow  ", "", "Error: Unknown"})
    w.addLine(IDC_ARCHIVELOG, line);
  const QString all =
      QStringLiteral("CALLING \"vornakmod.exe\"\n   -game:a.ini -zwindow  \n\nError: Unknown");
  QClipboard* clipboard = QApplication::clipboard();

  clipboard->clear();
  pressKey(log, Qt::Key_C);
  EXPECT_EQ(clipboard->text(), QString());
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
  QApplication::sendEvent(log, &copy);
  EXPECT_EQ(clipboard->text(), all);

  clipboard->clear();
  QStringList seen;
  QTimer::singleShot(50, [&seen] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
      return;
    for (QAction* action : menu->actions()) seen << action->text();
    menu->actions().first()->trigger();
    menu->close();
  });
  const QPoint at(5, 5);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, log->viewport()->mapToGlobal(at));
  QApplication::sendEvent(log->viewport(), &event);
  EXPECT_EQ(seen, QStringList{QStringLiteral("&Copy")});
  EXPECT_EQ(clipboard->text(), all);
  EXPECT_EQ(log->model()->rowCount(), 4);
}

}  // namespace
}  // namespace vs::test
