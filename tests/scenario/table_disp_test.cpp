// Display settings of the statistics worksheet (OnTableDispSet) through the
// scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

RunResult Call(const std::string& script, std::vector<int> flags, const std::string& editor = "") {
  std::vector<std::string> args;
  for (int flag : flags) args.push_back(std::to_string(flag));
  args.insert(args.end(), {editor, "D:\\DATA\\"});
  return CallEntry("OnTableDispSet", args, script);
}

TEST(TableDisp, ShowIsOnWhenOpenedAndFlagsAndBackgroundComeBack) {
  RunResult r = Call("dump\nclick 1\n", {0, 1, 0, 2, 1});
  EXPECT_EQ(r.out, "1|1|0|2|1|\n");
  const Dump dump = DumpAt(r);
  std::string checks;
  for (int id : {1088, 1089, 1095, 1096, 1092, 1090}) checks += std::to_string(dump.Control(id).Checked());
  EXPECT_EQ(checks, "110110");
  EXPECT_EQ(Call("click 1088\nclick 1\n", {0, 0, 0, 0, 0}).out, "0|0|0|0|0|\n");
  EXPECT_EQ(Call("escape\n", {1, 1, 1, 1, 1}).out, "\n");
  EXPECT_EQ(Events(Call("escape\n", {1, 1, 1, 1, 1}).log, "open").at(0).Line(),
            U8(u8R"({"event":"open","dialog":141,"title":" 表形式データ"})"));
}

TEST(TableDisp, ChecksToggleAndRadiosSetTheBackground) {
  EXPECT_EQ(Call("click 1089\nclick 1095\nclick 1096\nclick 1093\nclick 1\n", {1, 0, 1, 0, 0}).out, "1|1|0|3|1|\n");
  EXPECT_EQ(Call("click 1094\nclick 1090\nclick 1\n", {1, 0, 0, 4, 0}).out, "1|0|0|0|0|\n");
  // A colour outside 0..4 ticks no radio and comes back unchanged.
  RunResult r = Call("dump\nclick 1\n", {1, 0, 0, 5, 0});
  EXPECT_EQ(r.out, "1|0|0|5|0|\n");
  const Dump dump = DumpAt(r);
  for (int id = 1090; id <= 1094; ++id) EXPECT_EQ(dump.Control(id).Checked(), 0) << id;
  // A flag that is neither 0 nor 1 shows unticked; a click makes it 1.
  EXPECT_EQ(Call("click 1089\nclick 1\n", {1, 7, 0, 0, 0}).out, "1|1|0|0|0|\n");
}

TEST(TableDisp, TheEditButtonOpensTheStatisticsList) {
  RunResult r = Call("click 1345\nclick 1345\nclick 1\n", {1, 0, 0, 0, 0}, "true");
  const auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_EQ(processes[1]["command"].Str(), "true D:\\DATA\\MAPELMNT\\STTSTCS.DAT");
  EXPECT_EQ(r.out, "1|0|0|0|0|\n");
}

}  // namespace
}  // namespace topodlg::test
