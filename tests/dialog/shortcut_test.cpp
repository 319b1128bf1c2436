#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace vs::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Shortcuts : public ::testing::Test {
 protected:
  Shortcuts() {
    game.writeMod("frost.ini", "title=Frost Peak\nvdf=\n");
    game.writeMod("vornakgame.ini", "title=Vornak\nvdf=\n");
    shortcuts.result = {true, "/home/p/.local/share/applications/vornakstarter-frost.desktop"};
  }
  HeadlessWindow& open() {
    dialog = std::make_unique<StarterDialog>(
        Services{game.host, game.files, game.processes, game.settings, game.location, &shortcuts});
    window = game.host.open(*dialog);
    return *window;
  }
  GameFixture game;
  RecordingShortcutMaker shortcuts;
  std::unique_ptr<StarterDialog> dialog;
  std::unique_ptr<HeadlessWindow> window;
};

TEST_F(Shortcuts, TheItemsMenuMakesOneShortcutAndLogsWhere) {
  HeadlessWindow& w = open();
  w.click(IDC_DEVELOPMENT);  // the face that hides the log
  std::vector<MenuEntry> shown;
  w.contextMenuOnItem(0, [&shown](const std::vector<MenuEntry>& entries) {
    shown = entries;
    return entries.front().commandId;
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Create shortcut");
  ASSERT_EQ(shortcuts.requests.size(), 1u);
  const ShortcutRequest& made = shortcuts.requests[0];
  EXPECT_EQ(made.title, "Frost Peak");
  EXPECT_EQ(made.configuration, "frost.ini");
  EXPECT_EQ(made.launcher, (game.bin() / "VornakStarter").string());
  EXPECT_EQ(made.folder, game.bin().string());
  EXPECT_TRUE(w.control(IDC_ARCHIVELOG).visible);
  EXPECT_THAT(
      w.control(IDC_ARCHIVELOG).lines,
      ElementsAre(
          "Shortcut created: /home/p/.local/share/applications/vornakstarter-frost.desktop"));

  shortcuts.result = {false, "no home folder is known"};
  w.contextMenuOnItem(
      1, [](const std::vector<MenuEntry>& entries) { return entries.front().commandId; });
  EXPECT_EQ(shortcuts.requests.back().configuration, "vornakgame.ini");
  EXPECT_EQ(w.control(IDC_ARCHIVELOG).lines.back(),
            "Error: Couldn't create the shortcut: no home folder is known");
}

TEST_F(Shortcuts, ADismissedMenuOrNoItemMakesNothing) {
  HeadlessWindow& w = open();
  w.contextMenuOnItem(0, [](const std::vector<MenuEntry>&) { return 0; });
  bool asked = false;
  w.contextMenuOnItem(-1, [&asked](const std::vector<MenuEntry>&) {
    asked = true;
    return IDM_CREATE_SHORTCUT;
  });
  EXPECT_FALSE(asked);
  EXPECT_THAT(shortcuts.requests, IsEmpty());
  EXPECT_THAT(w.control(IDC_ARCHIVELOG).lines, IsEmpty());
}

}  // namespace
}  // namespace vs::test
