#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialog/help_text.h"
#include "ui/qt/qt_fixture.h"

namespace vs::test {
namespace {

using ::testing::HasSubstr;

TEST(QtCommands, EnterStartsFromAnywhereAndLeavesTheDialogOpen) {
  QtGame qt;
  qt.game.writeMod("castle.ini", "title=Castle\nvdf=castle.mod\n");
  QtWindow& w = qt.open();

  pressKey(w.control(IDC_DESCRIPTION), Qt::Key_Return);
  ASSERT_EQ(qt.game.processes.starts.size(), 1u);
  EXPECT_EQ(qt.game.processes.starts[0].program, "vornakmod.exe");
  EXPECT_THAT(qt.game.processes.starts[0].switches, HasSubstr(" -game:castle.ini"));

  // Also from a check box, the push-like development button included.
  pressKey(w.control(IDC_WINDOWED), Qt::Key_Enter);
  pressKey(w.control(IDC_DEVELOPMENT), Qt::Key_Enter);
  EXPECT_EQ(qt.game.processes.starts.size(), 3u);
  EXPECT_FALSE(w.ended());
  EXPECT_TRUE(w.widget().isVisible());
}

TEST(QtCommands, EnterPressesAFocusedPushButton) {
  QtGame qt;
  QtWindow& w = qt.open();
  pressKey(w.control(kIdCancel), Qt::Key_Return);
  EXPECT_TRUE(qt.game.processes.starts.empty());
  EXPECT_TRUE(w.ended());
  EXPECT_EQ(w.result(), kIdCancel);
}

TEST(QtCommands, TheStartButtonIsNoDefaultButton) {
  QtGame qt;
  QtWindow& w = qt.open();
  for (int id : {int{kIdOk}, int{kIdCancel}, int{IDC_HELP_BUTTON}, int{IDC_DEVELOPMENT}}) {
    auto* button = w.controlAs<QPushButton>(id);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->autoDefault()) << id;
    EXPECT_FALSE(button->isDefault()) << id;
  }
}

TEST(QtCommands, DoubleClickStartsTheItemUnderTheMouse) {
  QtGame qt;
  qt.game.writeMod("a.ini", "title=A\nvdf=a.mod\n");
  qt.game.writeMod("b.ini", "title=B\nvdf=b.mod\n");
  QtWindow& w = qt.open();
  QListWidget& list = qt.list();
  const int row = list.item(0)->text() == "B ()" ? 0 : 1;

  doubleClickAt(list, rowCentre(list, row));
  ASSERT_EQ(qt.game.processes.starts.size(), 1u);
  EXPECT_THAT(qt.game.processes.starts[0].switches, HasSubstr(" -game:b.ini"));
  EXPECT_EQ(qt.dialog().selectedItem, row);
  EXPECT_FALSE(w.ended());
}

TEST(QtCommands, EscapeEndsThroughOnCancelAndSavesTheChoices) {
  QtGame qt;
  QtWindow& w = qt.open();
  pressKey(qt.list().viewport()->parentWidget(), Qt::Key_Escape);
  EXPECT_TRUE(w.ended());
  EXPECT_EQ(w.result(), kIdCancel);
  EXPECT_FALSE(qt.game.settings.writes.empty());
  EXPECT_FALSE(w.widget().isVisible());
}

TEST(QtCommands, CloseButtonAndRejectGoThroughTheDialogToo) {
  {
    QtGame qt;
    QtWindow& w = qt.open();
    EXPECT_TRUE(w.widget().close());
    EXPECT_TRUE(w.ended());
    EXPECT_EQ(w.result(), kIdCancel);
    EXPECT_FALSE(qt.game.settings.writes.empty());
  }
  {
    QtGame qt;
    QtWindow& w = qt.open();
    w.widget().reject();
    EXPECT_TRUE(w.ended());
    EXPECT_FALSE(qt.game.settings.writes.empty());
  }
}

QAction* aboutAction(QtWindow& w) {
  for (QAction* action : w.widget().actions()) {
    if (action->text() == "&About VornakStarter...")
      return action;
  }
  return nullptr;
}

TEST(QtAbout, TheSystemMenuEntryOpensTheAboutBoxModally) {
  QtGame qt;
  QtWindow& w = qt.open();
  ASSERT_EQ(w.systemMenu().size(), 2u);
  EXPECT_EQ(w.systemMenu()[0].first, 0);
  EXPECT_EQ(w.systemMenu()[1], std::pair(0x10, std::string("&About VornakStarter...")));
  QAction* about = aboutAction(w);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));

  for (int run = 0; run < 2; ++run) {
    QString title;
    QStringList labels;
    bool ownedByMain = false;
    whenModal([&](QWidget& box) {
      title = box.windowTitle();
      ownedByMain = box.parentWidget() == &w.widget();
      for (QLabel* label : box.findChildren<QLabel*>()) labels << label->text();
      for (QPushButton* button : box.findChildren<QPushButton*>()) {
        if (button->text() == "OK")
          button->click();
      }
    });
    about->trigger();
    EXPECT_EQ(title, "About VornakStarter");
    EXPECT_TRUE(ownedByMain);
    EXPECT_TRUE(labels.contains("VornakStarter Version 1.13"));
  }
  EXPECT_FALSE(w.ended());
  EXPECT_TRUE(w.widget().isVisible());
}

// Linux has no system menu to add to: the dialog's context menu stands in.
TEST(QtAbout, TheContextMenuOffersTheSystemMenuEntries) {
  QtGame qt;
  QtWindow& w = qt.open();
  QStringList entries;
  QString aboutTitle;
  QTimer::singleShot(10, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
      ADD_FAILURE() << "no context menu appeared";
      return;
    }
    for (QAction* action : menu->actions())
      entries << (action->isSeparator() ? QString("-") : action->text());
    whenModal([&](QWidget& box) {
      aboutTitle = box.windowTitle();
      for (QPushButton* button : box.findChildren<QPushButton*>()) button->click();
    });
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator())
        action->trigger();
    }
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                          w.widget().mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&w.widget(), &event);
  EXPECT_EQ(entries, QStringList({"-", "&About VornakStarter..."}));
  EXPECT_EQ(aboutTitle, "About VornakStarter");
  EXPECT_FALSE(w.ended());
}

// A right click names the item under the pointer; the menu key and Shift+F10
// the selected one.
TEST(QtListMenu, EachWayToTheMenuMakesTheShortcutOfItsItem) {
  QtGame qt;
  RecordingShortcutMaker shortcuts;
  qt.shortcuts = &shortcuts;
  qt.game.writeMod("a.ini", "title=A\nvdf=\n");
  qt.game.writeMod("b.ini", "title=B\nvdf=\n");
  qt.open();
  QListWidget& list = qt.list();
  clickAt(list, rowCentre(list, 0));
  const std::function<void()> ways[] = {
      [&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, rowCentre(list, 1),
                                list.viewport()->mapToGlobal(rowCentre(list, 1)));
        QApplication::sendEvent(list.viewport(), &event);
      },
      [&] {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
        QApplication::sendEvent(list.viewport(), &event);
      },
      [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
        QApplication::sendEvent(&list, &press);
      },
  };
  QStringList entries;
  for (const auto& way : ways) {
    QTimer::singleShot(10, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) {
        ADD_FAILURE() << "no context menu appeared";
        return;
      }
      for (QAction* action : menu->actions()) entries << action->text();
      menu->actions().first()->trigger();
      menu->close();
    });
    way();
  }
  EXPECT_EQ(entries, QStringList({"Create shortcut", "Create shortcut", "Create shortcut"}));
  std::vector<std::string> made;
  for (const ShortcutRequest& request : shortcuts.requests) made.push_back(request.configuration);
  EXPECT_EQ(made, (std::vector<std::string>{"b.ini", "a.ini", "a.ini"}));
  QApplication::processEvents();
  EXPECT_EQ(qt.window().controlAs<QListView>(IDC_ARCHIVELOG)->model()->rowCount(), 3);
}

TEST(QtHelp, TheHelpBoxHasTheExactTitleTextAndOnlyOK) {
  QtGame qt;
  QtWindow& w = qt.open();
  w.controlAs<QPushButton>(IDC_DEVELOPMENT)->click();
  int boxes = 0;
  QString title, text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::Information;
  bool ownedByMain = false;
  whenModal([&](QWidget& modal) {
    auto* box = dynamic_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    ++boxes;
    title = box->windowTitle();
    text = box->text();
    buttons = box->standardButtons();
    icon = box->icon();
    ownedByMain = box->parentWidget() == &w.widget();
    box->button(QMessageBox::Ok)->click();
  });
  w.controlAs<QPushButton>(IDC_HELP_BUTTON)->click();

  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(title, QString::fromUtf8("Help about \"actions\""));
  EXPECT_EQ(title.size(), 20);
  QString expected = QString::fromStdString(helpText());
  expected.replace("\r\n", "\n");
  EXPECT_EQ(text, expected);
  EXPECT_TRUE(text.startsWith("It's recommended to start our Lumiq"));
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_TRUE(ownedByMain);
  EXPECT_FALSE(w.ended());
}

}  // namespace
}  // namespace vs::test
