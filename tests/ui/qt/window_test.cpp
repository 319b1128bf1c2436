#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/qt/qt_fixture.h"
#include "ui/qt/widgets.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;

int rowWithText(QListWidget& list, const QString& text) {
  for (int row = 0; row < list.count(); ++row) {
    if (list.item(row)->text() == text)
      return row;
  }
  return -1;
}

QString shownDescription(QtWindow& w) {
  return w.controlAs<QPlainTextEdit>(IDC_DESCRIPTION)->toPlainText();
}

void click(QtWindow& w, int id) {
  w.controlAs<QAbstractButton>(id)->click();
}

TEST(QtModList, ListsTheModsWithImagesAndDescribesTheClickedOne) {
  QtGame qt;
  qt.game.writeMod("vornakgame.ini", "title=Vornak\nversion=1.13\nicon=9\nvdf=\n");
  qt.game.writeMod("castle.ini", "title=Castle\nversion=1.0\nwebpage=none\nvdf=castle.mod\n");
  QtWindow& w = qt.open();
  QListWidget& list = qt.list();

  ASSERT_EQ(list.count(), 2);
  const int castle = rowWithText(list, "Castle (1.0)");
  const int game = rowWithText(list, "Vornak (1.13)");
  ASSERT_GE(castle, 0);
  ASSERT_GE(game, 0);
  EXPECT_EQ(list.iconSize(), QSize(24, 24));
  EXPECT_FALSE(list.item(castle)->icon().isNull());
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
  // The saved item 0 is selected at start-up and described.
  EXPECT_TRUE(list.item(0)->isSelected());
  EXPECT_EQ(w.selectionMark(IDC_MODLIST), 0);

  clickAt(list, rowCentre(list, castle));
  EXPECT_EQ(qt.dialog().selectedItem, castle);
  EXPECT_TRUE(list.item(castle)->isSelected());
  EXPECT_EQ(shownDescription(w),
            "title: Castle\nversion: 1.0\nwebpage: none\n\nno description available");
  // The control reads back the bytes it was given, CR LF pairs included.
  EXPECT_EQ(w.text(IDC_DESCRIPTION),
            "title: Castle\r\nversion: 1.0\r\nwebpage: none\r\n\r\nno description available");
}

TEST(QtModList, AClickPutsUnreadControlsBackToTheMembers) {
  QtGame qt;
  qt.game.writeMod("castle.ini", "title=Castle\nvdf=castle.mod\n");
  QtWindow& w = qt.open();
  auto* windowed = w.controlAs<QAbstractButton>(IDC_WINDOWED);

  windowed->click();
  EXPECT_TRUE(windowed->isChecked());
  EXPECT_EQ(qt.dialog().windowed, 0);  // the member follows only at the next transfer
  clickAt(qt.list(), rowCentre(qt.list(), 0));
  EXPECT_FALSE(windowed->isChecked());
  EXPECT_EQ(qt.dialog().windowed, 0);
}

TEST(QtModList, FocusMakingRowZeroCurrentDoesNotMoveTheSelectionMark) {
  QtGame qt;
  qt.game.writeMod("a.ini", "title=A\nvdf=a.mod\n");
  qt.game.writeMod("b.ini", "title=B\nvdf=b.mod\n");
  qt.game.settings.values["modgame"] = {MemorySettingsStore::kBinary, {5, 0, 0, 0}};
  QtWindow& w = qt.open();
  QListWidget& list = qt.list();
  ASSERT_EQ(qt.dialog().selectedItem, 5);
  EXPECT_EQ(shownDescription(w), "no info");

  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(&list, &focus);
  EXPECT_EQ(list.currentRow(), 0);  // what Qt does on its own
  EXPECT_TRUE(list.selectedItems().isEmpty());
  EXPECT_EQ(w.selectionMark(IDC_MODLIST), -1);

  // A click on the empty part below the items reports no selection.
  clickAt(list, QPoint(5, list.viewport()->height() - 3));
  EXPECT_EQ(qt.dialog().selectedItem, -1);
  EXPECT_EQ(shownDescription(w), "no info");
}

TEST(QtModList, TextsShowDecodedWhileMembersKeepTheirBytes) {
  QtGame qt;
  qt.game.writeMod("cafe.ini", "title=Caf\xE9 \x80\nvdf=c.mod\n");
  qt.game.writeMod("juergen.ini", "title=J\xC3\xBCrgen\nvdf=j.mod\n");
  QtWindow& w = qt.open();
  const int cafe = rowWithText(qt.list(), QString::fromUtf8("Caf\u00E9 \u20AC ()"));
  EXPECT_GE(rowWithText(qt.list(), QString::fromUtf8("J\u00FCrgen ()")), 0);
  ASSERT_GE(cafe, 0);
  clickAt(qt.list(), rowCentre(qt.list(), cafe));
  EXPECT_TRUE(shownDescription(w).startsWith(QString::fromUtf8("title: Caf\u00E9 \u20AC")));
  qt.dialog().UpdateData(true);
  EXPECT_EQ(qt.dialog().descriptionText.substr(0, 13), "title: Caf\xE9 \x80");
}

// As the Win32 list does, a text too long for the list shows whole and the
// list scrolls sideways to it; short texts need no scrolling. A row far out
// of view when the list first shows counts as soon as it has painted.
TEST(QtModList, ItemTextsShowWholeAndALongOneScrollsTheList) {
  const struct {
    const char* title;
    bool scrolls;
    int rowsBefore;
  } cases[] = {{"Tidewater", false, 1},
               {"Tidewater Traders of the Seven Southern Isles", true, 1},
               {"Tidewater Traders of the Seven Southern Isles", true, 60}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    QtGame qt;
    // Shorter rows before and after: the column follows the widest.
    for (int i = 0; i < c.rowsBefore; ++i)
      qt.game.writeMod("a" + std::to_string(100 + i) + ".ini", "title=A\nvdf=\n");
    qt.game.writeMod("tide.ini", std::string("title=") + c.title + "\nversion=0.9 beta\nvdf=\n");
    qt.game.writeMod("zz.ini", "title=Z\nvdf=\n");
    qt.open();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    QListWidget& list = qt.list();
    ASSERT_EQ(list.count(), c.rowsBefore + 2);
    QListWidgetItem* tide = list.item(c.rowsBefore);
    const QRect row = list.visualItemRect(tide);
    // The icon, the gap beside it and the whole text fit in the row.
    EXPECT_GE(row.width(),
              list.iconSize().width() + list.fontMetrics().horizontalAdvance(tide->text()));
    EXPECT_EQ(list.horizontalScrollBar()->maximum() > 0, c.scrolls);
    if (c.scrolls) {
      list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
      EXPECT_LE(list.visualItemRect(tide).right(), list.viewport()->width());
    }
  }
}

const int kDevelopmentControls[] = {
    IDC_ACTIONS,     IDC_CONVERTALL,        IDC_CONVERTTEXTURES, IDC_PHYSICALFIRST,
    IDC_REPARSE,     IDC_AUTOCONVERT,       IDC_SPYLEVEL_LABEL,  IDC_SPYLEVEL,
    IDC_APPLICATION, IDC_APPLICATION_LABEL, IDC_HELP_BUTTON,
};

void expectFace(QtWindow& w, bool development) {
  for (int id : kDevelopmentControls) {
    EXPECT_EQ(!w.control(id)->isHidden(), development) << "control " << id;
    EXPECT_EQ(w.control(id)->isVisible(), development) << "control " << id;
  }
  EXPECT_EQ(w.control(IDC_ARCHIVELOG)->isVisible(), !development);
}

TEST(QtFaces, MODDevelopmentSwitchesTheBottomBandAndBack) {
  QtGame qt;
  QtWindow& w = qt.open();
  expectFace(w, false);

  click(w, IDC_NOSOUND);
  click(w, IDC_DEVELOPMENT);
  expectFace(w, true);
  EXPECT_EQ(qt.dialog().noSound, 1);  // read at once by the switch
  EXPECT_EQ(qt.dialog().developmentMode, 1);

  click(w, IDC_CONVERTALL);
  click(w, IDC_DEVELOPMENT);
  expectFace(w, false);
  EXPECT_EQ(qt.dialog().convertAll, 1);  // hiding keeps the value
  EXPECT_TRUE(w.controlAs<QAbstractButton>(IDC_CONVERTALL)->isChecked());
}

TEST(QtFaces, StartCaptionFollowsTheApplicationChosenByTheUser) {
  QtGame qt;
  QtWindow& w = qt.open();
  auto* start = w.controlAs<QPushButton>(kIdOk);
  auto* combo = w.controlAs<QComboBox>(IDC_APPLICATION);
  EXPECT_EQ(start->text(), "Start Vornak");
  ASSERT_EQ(combo->count(), 2);

  pressKey(combo, Qt::Key_Down);
  EXPECT_EQ(combo->currentText(), "Morlex");
  EXPECT_EQ(start->text(), "Start Morlex");
  EXPECT_EQ(qt.dialog().startApp, 1);
  pressKey(combo, Qt::Key_Up);
  EXPECT_EQ(start->text(), "Start Vornak");
}

TEST(QtFaces, AStoredApplicationOutsideTheListLeavesTheTemplateCaption) {
  QtGame qt;
  qt.game.settings.values["startapp"] = {MemorySettingsStore::kBinary, {2, 0, 0, 0}};
  QtWindow& w = qt.open();
  EXPECT_EQ(w.controlAs<QPushButton>(kIdOk)->text(), "[Start]");
  EXPECT_EQ(w.controlAs<QComboBox>(IDC_APPLICATION)->currentIndex(), -1);
}

TEST(QtControls, SettingControlsFromCodeFiresNoHandler) {
  QtGame qt;
  qt.game.writeMod("a.ini", "title=A\nvdf=a.mod\n");
  qt.game.writeMod("b.ini", "title=B\nvdf=b.mod\n");
  QtWindow& w = qt.open();
  const QString description = shownDescription(w);

  w.setComboSelection(IDC_APPLICATION, 1);
  w.setCheckState(IDC_DEVELOPMENT, 1);
  w.setItemSelectedFocused(IDC_MODLIST, 1);
  w.setText(IDC_PARAMETERS, "-x");

  EXPECT_EQ(w.controlAs<QPushButton>(kIdOk)->text(), "Start Vornak");
  expectFace(w, false);
  EXPECT_EQ(shownDescription(w), description);
  EXPECT_EQ(qt.dialog().selectedItem, 0);
  EXPECT_EQ(w.selectionMark(IDC_MODLIST), 1);
  EXPECT_EQ(w.checkState(IDC_DEVELOPMENT), 1);
  EXPECT_TRUE(qt.game.processes.starts.empty());
}

// Every exchange sets every control; one that changes nothing must leave
// what the player is reading or typing where it is.
TEST(QtControls, AnExchangeThatChangesNothingKeepsScrollAndCaret) {
  QtGame qt;
  std::string longText = "title=Long\nvdf=long.mod\ndescription=";
  for (int i = 0; i < 200; ++i) longText += "many words of a long description ";
  qt.game.writeMod("long.ini", longText + "\n");
  QtWindow& w = qt.open();
  auto* description = w.controlAs<QPlainTextEdit>(IDC_DESCRIPTION);
  QScrollBar* bar = description->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  auto* parameters = w.controlAs<QLineEdit>(IDC_PARAMETERS);
  parameters->setText("-a -b");
  parameters->setCursorPosition(2);
  w.setCheckState(IDC_WINDOWED, 1);

  qt.dialog().UpdateData(true);
  qt.dialog().UpdateData(false);

  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(parameters->cursorPosition(), 2);
  EXPECT_EQ(w.checkState(IDC_WINDOWED), 1);
  // A changed member still reaches its control.
  qt.dialog().parameters = "-c";
  qt.dialog().windowed = 0;
  qt.dialog().UpdateData(false);
  EXPECT_EQ(parameters->text(), "-c");
  EXPECT_EQ(w.checkState(IDC_WINDOWED), 0);
}

TEST(QtControls, CombosStartWithoutSelectionAndClearOutsideTheList) {
  QtGame qt;
  QtWindow& w = qt.open();
  auto* spy = w.controlAs<QComboBox>(IDC_SPYLEVEL);
  ASSERT_EQ(spy->count(), 5);
  EXPECT_EQ(spy->itemText(4), "all");
  w.addComboEntry(IDC_SPYLEVEL, "extra");
  EXPECT_EQ(w.comboSelection(IDC_SPYLEVEL), 0);
  w.setComboSelection(IDC_SPYLEVEL, 9);
  EXPECT_EQ(w.comboSelection(IDC_SPYLEVEL), -1);
  EXPECT_EQ(spy->currentIndex(), -1);
}

// A colour whose red and blue differ: read in the wrong byte order, the mask
// would miss it.
TEST(QtImageList, TheMaskColourIsAColourRefWithRedInTheLowByte) {
  QtGame qt;
  QtWindow& w = qt.open();
  const QImage strip = loadBitmap(starterResources(), IDB_MODIMAGES).toImage();
  const QRgb red = qRgb(230, 40, 30);
  QPoint at(-1, -1);
  for (int y = 0; y < strip.height() && at.x() < 0; ++y) {
    for (int x = 0; x < strip.width() && at.x() < 0; ++x) {
      if ((strip.pixel(x, y) & 0xFFFFFF) == (red & 0xFFFFFF))
        at = QPoint(x, y);
    }
  }
  ASSERT_GE(at.x(), 0);
  const int image = at.x() / 24;
  w.setSmallImageList(IDC_MODLIST, w.createImageList(IDB_MODIMAGES, 24, 4, colourRef(230, 40, 30)));
  w.insertItem(IDC_MODLIST, 0, "masked", image);
  const QImage shown = qt.list().item(0)->icon().pixmap(24, 24).toImage();
  EXPECT_EQ(qAlpha(shown.pixel(at.x() % 24, at.y())), 0);
}

}  // namespace
}  // namespace vs::test
