// The command routing every front end shares, driven through the headless host.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/headless/headless_host.h"

namespace vs {
namespace {

const DialogTemplate kTemplate{
    7,
    "Commands",
    "MS Sans Serif",
    8,
    100,
    40,
    false,
    false,
    {{kIdOk, ControlKind::defPushButton, kTabStop, "OK", {4, 4, 40, 14}},
     {kIdCancel, ControlKind::pushButton, kTabStop, "Cancel", {50, 4, 40, 14}}}};
const DialogTemplate* const kTemplates[] = {&kTemplate};
const ResourceTable kResources{kTemplates, {}, {}, {}};

// A dialog whose message table takes every message or none.
class TableDialog : public Dialog {
 public:
  TableDialog(DialogHost& host, bool takes) : Dialog(kTemplate.id, host), takes_(takes) {}
  bool OnMessage(Message message, int controlId, MessageArgs&) override {
    if (takes_)
      taken.push_back({message, controlId});
    return takes_;
  }
  std::vector<std::pair<Message, int>> taken;

 private:
  bool takes_;
};

TEST(DialogCommands, TheMessageTableFirstElseOkAndCancelEndTheDialog) {
  using Act = std::function<void(HeadlessWindow&)>;
  const Act ok = [](HeadlessWindow& w) { w.click(kIdOk); };
  const Act cancel = [](HeadlessWindow& w) { w.click(kIdCancel); };
  const Act enter = [](HeadlessWindow& w) { w.pressEnter(); };
  const Act escape = [](HeadlessWindow& w) { w.pressEscape(); };
  const Act close = [](HeadlessWindow& w) { w.systemCommand(kScClose); };
  const struct {
    const char* name;
    const Act& act;
    std::pair<Message, int> message;
    int result;  // when the table leaves it alone
  } cases[] = {
      {"OK", ok, {Message::buttonClicked, kIdOk}, kIdOk},
      {"Cancel", cancel, {Message::buttonClicked, kIdCancel}, kIdCancel},
      {"Enter", enter, {Message::buttonClicked, kIdOk}, kIdOk},
      {"Escape", escape, {Message::buttonClicked, kIdCancel}, kIdCancel},
      {"close", close, {Message::sysCommand, 0}, kIdCancel},
  };
  for (const auto& c : cases) {
    HeadlessHost host(kResources);
    TableDialog leaves(host, false), takes(host, true);
    auto left = host.open(leaves);
    auto taken = host.open(takes);
    ASSERT_TRUE(left && taken);
    c.act(*left);
    c.act(*taken);
    EXPECT_TRUE(left->ended()) << c.name;
    EXPECT_EQ(left->result(), c.result) << c.name;
    EXPECT_FALSE(taken->ended()) << c.name;
    EXPECT_EQ(takes.taken, (std::vector{c.message})) << c.name;
  }
}

}  // namespace
}  // namespace vs
