#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog/about_dialog.h"
#include "dialog/startup_rules.h"
#include "support/game_fixture.h"

namespace vs::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

TEST(StartupRules, ProgramDirectoryCutsAtTheLastSeparatorAfterTheFirstCharacter) {
  EXPECT_EQ(programDirectory("/games/vornak/system/VornakStarter"), "/games/vornak/system");
  EXPECT_EQ(programDirectory("C:\\Vornak\\System\\VornakStarter.EXE"), "C:\\Vornak\\System");
  EXPECT_EQ(programDirectory("a/b\\c"), "a/b");
  EXPECT_EQ(programDirectory("/VornakStarter"), std::nullopt);
  EXPECT_EQ(programDirectory("VornakStarter"), std::nullopt);
  EXPECT_EQ(programDirectory(""), std::nullopt);
}

TEST(StartupRules, IconIsCentredWithTruncatingDivision) {
  EXPECT_EQ(centredIconPosition({100, 50}, {32, 32}).width, 34);
  EXPECT_EQ(centredIconPosition({100, 50}, {32, 32}).height, 9);
  EXPECT_EQ(centredIconPosition({10, 10}, {32, 32}).width, -10);  // (10-32+1)/2 = -21/2 = -10
}

TEST(Startup, FirstRunShowsDefaultsAndTheFirstItemDescribed) {
  GameFixture game;
  game.writeMod("vornakgame.ini", "title=Vornak\nvdf=\nversion=1.0\n");
  HeadlessWindow& w = game.open();

  EXPECT_EQ(w.caption(), "VornakStarter v1.13");
  EXPECT_THAT(w.systemMenu(), ElementsAre(std::pair(0, std::string()),
                                          std::pair(0x10, std::string("&About VornakStarter..."))));
  EXPECT_EQ(w.icons().at(IconSize::big), IDR_MAINFRAME);
  EXPECT_EQ(w.icons().at(IconSize::little), IDR_MAINFRAME);
  EXPECT_EQ(w.control(IDC_SPYLEVEL).selection, 0);
  EXPECT_EQ(w.control(IDC_APPLICATION).selection, 0);
  EXPECT_EQ(w.control(IDC_SPYLEVEL).entries.size(), 5u);
  EXPECT_EQ(w.control(kIdOk).text, "Start Vornak");
  EXPECT_EQ(w.control(IDC_MODLIST).iconSpacing.width, 200);
  EXPECT_EQ(w.control(IDC_MODLIST).iconSpacing.height, 24);
  ASSERT_EQ(w.control(IDC_MODLIST).items.size(), 1u);
  EXPECT_TRUE(w.control(IDC_MODLIST).items[0].selected);
  EXPECT_EQ(w.control(IDC_DESCRIPTION).text,
            "title: Vornak\r\nversion: 1.0\r\n\r\nno description available");
  EXPECT_TRUE(w.control(IDC_ARCHIVELOG).visible);
  EXPECT_FALSE(w.control(IDC_HELP_BUTTON).visible);
}

TEST(Startup, StartedFromAnotherDirectoryFindsTheIniFilesBesideTheExecutable) {
  GameFixture game;
  game.writeMod("mymod.ini", "title=Mine\nvdf=mine.mod\n");
  std::filesystem::current_path(game.root.path());
  HeadlessWindow& w = game.open();
  EXPECT_THAT(game.location.changes, ElementsAre(game.bin().string()));
  ASSERT_EQ(w.control(IDC_MODLIST).items.size(), 1u);
  EXPECT_EQ(w.control(IDC_MODLIST).items[0].text, "Mine ()");
}

TEST(Startup, SystemCommandsDifferingOnlyInTheLowFourBitsOpenTheAboutBox) {
  GameFixture game;
  HeadlessWindow& w = game.open();
  std::vector<std::string> aboutCaptions;
  game.host.modalScript = [&](HeadlessWindow& about) {
    aboutCaptions.push_back(about.caption());
    about.click(kIdOk);
  };
  w.systemCommand(0x10);
  w.systemCommand(0x1F);
  w.systemCommand(0x20);
  w.systemCommand(0x10010);
  EXPECT_THAT(game.host.modalRuns, ElementsAre(IDD_ABOUTBOX, IDD_ABOUTBOX));
  EXPECT_THAT(aboutCaptions, ElementsAre("About VornakStarter", "About VornakStarter"));
  EXPECT_FALSE(w.ended());
  w.systemCommand(kScClose);
  EXPECT_TRUE(w.ended());
  EXPECT_EQ(w.result(), kIdCancel);
}

TEST(Startup, NoSystemMenuEntryWhenTheStringIsEmptyOrThereIsNoMenu) {
  GameFixture emptyString;
  emptyString.host.strings.clear();
  EXPECT_TRUE(emptyString.open().systemMenu().empty());

  // Without a system menu the string is not even loaded.
  GameFixture noMenu;
  noMenu.host.windowsHaveSystemMenu = false;
  EXPECT_TRUE(noMenu.open().systemMenu().empty());
  EXPECT_THAT(noMenu.host.loadedStrings, Not(Contains(IDS_ABOUTBOX)));
}

TEST(Startup, MinimisedDialogPaintsItsIconCentred) {
  GameFixture game;
  HeadlessWindow& w = game.open();
  w.paint();
  EXPECT_TRUE(w.drawnIcons().empty());
  w.minimise(true);
  w.setClientSize({160, 40});
  w.paint();
  ASSERT_EQ(w.drawnIcons().size(), 1u);
  EXPECT_EQ(w.drawnIcons()[0].iconId, IDR_MAINFRAME);
  EXPECT_EQ(w.drawnIcons()[0].x, 64);
  EXPECT_EQ(w.drawnIcons()[0].y, 4);
  MessageArgs args;
  game.dialog().OnMessage(Message::queryDragIcon, 0, args);
  EXPECT_EQ(args.result, IDR_MAINFRAME);
}

}  // namespace
}  // namespace vs::test
