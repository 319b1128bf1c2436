#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "os/posix/posix_settings_store.h"
#include "ui/qt/qt_fixture.h"
#include "support/temp_dir.h"

namespace vs::test {
namespace {

// Two runs of the real Qt dialog sharing one settings file on disk.
class QtSettingsRun {
 public:
  QtSettingsRun(GameFixture& game, const std::filesystem::path& file) : store_(file) {
    dialog_ = std::make_unique<StarterDialog>(
        Services{host_, game.files, game.processes, store_, game.location});
    window_ = host_.open(*dialog_);
    QApplication::processEvents();
  }
  ~QtSettingsRun() {
    window_.reset();
    QApplication::processEvents();
  }
  QtWindow& window() { return *window_; }
  StarterDialog& dialog() { return *dialog_; }

 private:
  QtHost host_{starterResources()};
  PosixSettingsStore store_;
  std::unique_ptr<StarterDialog> dialog_;
  std::unique_ptr<QtWindow> window_;
};

TEST(QtSettings, ChoicesMadeOnTheWidgetsComeBackInTheNextRun) {
  QtGame qt;  // the application object and a game directory
  qt.game.writeMod("a.ini", "title=A\nvdf=a.mod\n");
  qt.game.writeMod("b.ini", "title=B\nvdf=b.mod\n");
  TempDir config;
  const auto file = config / "VornakStarter.reg";
  int chosenRow = -1;
  {
    QtSettingsRun run(qt.game, file);
    QtWindow& w = run.window();
    // The list click puts unread members back, so it comes first.
    QListWidget& list = *w.controlAs<QListWidget>(IDC_MODLIST);
    chosenRow = list.item(0)->text() == "B ()" ? 0 : 1;
    clickAt(list, rowCentre(list, chosenRow));
    w.controlAs<QAbstractButton>(IDC_WINDOWED)->click();
    w.controlAs<QAbstractButton>(IDC_NOMUSIC)->click();
    w.controlAs<QLineEdit>(IDC_PARAMETERS)->setText("-nomenu \xC3\xA9");
    pressKey(w.controlAs<QComboBox>(IDC_APPLICATION), Qt::Key_Down);
    pressKey(w.control(IDC_DESCRIPTION), Qt::Key_Escape);
    ASSERT_TRUE(w.ended());
  }
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_NE(readFile(file).find("\"windowed\"=hex:01,00,00,00"), std::string::npos);

  QtSettingsRun again(qt.game, file);
  QtWindow& w = again.window();
  EXPECT_TRUE(w.controlAs<QAbstractButton>(IDC_WINDOWED)->isChecked());
  EXPECT_TRUE(w.controlAs<QAbstractButton>(IDC_NOMUSIC)->isChecked());
  EXPECT_FALSE(w.controlAs<QAbstractButton>(IDC_NOSOUND)->isChecked());
  EXPECT_EQ(w.controlAs<QLineEdit>(IDC_PARAMETERS)->text().toStdString(), "-nomenu \xC3\xA9");
  EXPECT_EQ(again.dialog().parameters, "-nomenu \xC3\xA9");
  EXPECT_EQ(again.dialog().selectedItem, chosenRow);
  EXPECT_EQ(w.controlAs<QComboBox>(IDC_APPLICATION)->currentIndex(), 1);
  EXPECT_EQ(w.controlAs<QAbstractButton>(kIdOk)->text().toStdString(), "Start Morlex");
  QListWidget& list = *w.controlAs<QListWidget>(IDC_MODLIST);
  EXPECT_TRUE(list.item(chosenRow)->isSelected());
}

}  // namespace
}  // namespace vs::test
