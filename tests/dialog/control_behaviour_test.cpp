#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/launch/program_files.h"
#include "dialog/resources.h"
#include "support/game_fixture.h"

namespace vs::test {
namespace {

// The band's development controls, in the order the dialog treats them.
const int kDevelopmentControls[] = {
    IDC_ACTIONS,     IDC_CONVERTALL,        IDC_CONVERTTEXTURES, IDC_PHYSICALFIRST,
    IDC_REPARSE,     IDC_AUTOCONVERT,       IDC_SPYLEVEL_LABEL,  IDC_SPYLEVEL,
    IDC_APPLICATION, IDC_APPLICATION_LABEL, IDC_HELP_BUTTON,
};

class ControlBehaviour : public ::testing::Test {
 protected:
  void SetUp() override {
    game.writeMod("vornakgame.ini", "title=Vornak\nvdf=\n");
    game.writeMod("second.ini", "title=Second\nvdf=second.mod\n");
  }
  void expectFace(HeadlessWindow& w, bool development) {
    for (int id : kDevelopmentControls) EXPECT_EQ(w.control(id).visible, development) << id;
    EXPECT_EQ(w.control(IDC_ARCHIVELOG).visible, !development);
  }
  GameFixture game;
};

TEST_F(ControlBehaviour, DevelopmentButtonSwitchesTheBandAndBackExactly) {
  HeadlessWindow& w = game.open();
  expectFace(w, false);
  w.click(IDC_DEVELOPMENT);
  EXPECT_EQ(game.dialog().developmentMode, 1);
  expectFace(w, true);
  w.click(IDC_DEVELOPMENT);
  EXPECT_EQ(game.dialog().developmentMode, 0);
  expectFace(w, false);
  // Controls outside the band never change.
  for (int id : {IDC_MODLIST, IDC_DESCRIPTION, IDC_START, IDC_EXIT, IDC_NOMUSIC, IDC_NOSOUND,
                 IDC_WINDOWED, IDC_DEVELOPMENT, IDC_PARAMETERS, IDC_BANNER}) {
    EXPECT_TRUE(w.control(id).visible) << id;
  }
}

TEST_F(ControlBehaviour, HidingTheDevelopmentControlsKeepsTheirValues) {
  HeadlessWindow& w = game.open();
  w.click(IDC_DEVELOPMENT);
  w.click(IDC_CONVERTALL);
  w.selectCombo(IDC_SPYLEVEL, 3);
  w.click(IDC_DEVELOPMENT);
  EXPECT_EQ(game.dialog().convertAll, 1);
  EXPECT_EQ(game.dialog().spyLevel, 3);
  EXPECT_EQ(w.control(IDC_CONVERTALL).check, 1);
  EXPECT_EQ(w.control(IDC_SPYLEVEL).selection, 3);
}

TEST_F(ControlBehaviour, ChecksReachTheMembersOnlyAtTheNextTransfer) {
  HeadlessWindow& w = game.open();
  w.click(IDC_NOSOUND);
  EXPECT_EQ(game.dialog().noSound, 0);  // the box alone does not transfer
  w.click(IDC_DEVELOPMENT);
  EXPECT_EQ(game.dialog().noSound, 1);

  w.click(IDC_WINDOWED);
  EXPECT_EQ(w.control(IDC_WINDOWED).check, 1);
  EXPECT_EQ(game.dialog().windowed, 0);
  w.clickItem(1);  // the description transfer puts the member back into the box
  EXPECT_EQ(w.control(IDC_WINDOWED).check, 0);
  EXPECT_EQ(game.dialog().windowed, 0);
}

TEST_F(ControlBehaviour, StartCaptionFollowsTheApplicationChoice) {
  HeadlessWindow& w = game.open();
  EXPECT_EQ(w.control(kIdOk).text, "Start Vornak");
  w.selectCombo(IDC_APPLICATION, 1);
  EXPECT_EQ(w.control(kIdOk).text, "Start Morlex");
  EXPECT_EQ(game.dialog().startApp, 1);
  w.selectCombo(IDC_APPLICATION, 0);
  EXPECT_EQ(w.control(kIdOk).text, "Start Vornak");
}

// The resource script keeps its own copy of the list for the Windows build.
TEST(ApplicationChoice, TheResourceScriptListsTheStartablePrograms) {
  std::vector<std::string> names;
  for (const StartableProgram& program : kStartablePrograms) names.emplace_back(program.name);
  const auto& controls = starterTemplate().controls;
  const auto combo = std::find_if(controls.begin(), controls.end(),
                                  [](const ControlTemplate& c) { return c.id == IDC_APPLICATION; });
  ASSERT_NE(combo, controls.end());
  EXPECT_EQ(combo->entries, names);
}

TEST_F(ControlBehaviour, AnApplicationOutsideTheListLeavesTheTemplateCaption) {
  // The settings loaded during start-up set the member before the first transfer.
  game.settings.values["startapp"] = {MemorySettingsStore::kBinary, {2, 0, 0, 0}};
  HeadlessWindow& w = game.open();
  EXPECT_EQ(w.control(kIdOk).text, "[Start]");
  EXPECT_EQ(w.control(IDC_APPLICATION).selection, -1);
  EXPECT_EQ(game.dialog().startApp, -1);
  w.selectCombo(IDC_APPLICATION, 1);
  EXPECT_EQ(w.control(kIdOk).text, "Start Morlex");
}

TEST_F(ControlBehaviour, HelpShowsTheActionsTextOncePerClick) {
  HeadlessWindow& w = game.open();
  w.click(IDC_DEVELOPMENT);
  w.click(IDC_HELP_BUTTON);
  ASSERT_EQ(w.messageBoxes().size(), 1u);
  const auto& box = w.messageBoxes()[0];
  EXPECT_EQ(box.title, "Help about \"actions\"");
  EXPECT_EQ(box.title.size(), 20u);
  const std::string& text = box.text;
  EXPECT_EQ(text.rfind("It's recommended to start our Lumiq and enable Lumiq-logging when doing "
                       "some of these actions:\r\n\r\n[x] Convert All\r\n",
                       0),
            0u);
  EXPECT_NE(text.find("\r\n[x] Physical First\r\nThis option forces Vornak to look first"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("load-performance!\r\n\r\n"));
  // Seventeen lines, each ended by CR LF.
  std::size_t pairs = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
    ++pairs;
  EXPECT_EQ(pairs, 17u);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare LF before the first pair
  w.click(IDC_HELP_BUTTON);
  EXPECT_EQ(w.messageBoxes().size(), 2u);
}

TEST_F(ControlBehaviour, DoubleClickStartsTheDoubleClickedItem) {
  HeadlessWindow& w = game.open();
  w.doubleClickItem(0);  // "second.ini" lists before "vornakgame.ini"
  ASSERT_EQ(game.processes.starts.size(), 1u);
  EXPECT_EQ(game.processes.starts[0].program, "vornakmod.exe");
  EXPECT_EQ(game.processes.starts[0].switches, " -game:second.ini ");
  EXPECT_FALSE(w.ended());
}

}  // namespace
}  // namespace vs::test
