// Display settings of the statistics worksheet (OnTableDispSet) through the
// scripted user.
#include <gtest/gtest.h>

#include "tests/support/dialog_run.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

RunResult Call(const std::string& script, std::vector<int> flags, const std::string& editor = "",
              std::string* dump = nullptr) {
  std::vector<std::string> args;
  for (int flag : flags) args.push_back(std::to_string(flag));
  args.insert(args.end(), {editor, "D:\\DATA\\"});
  RunResult r = CallEntry("OnTableDispSet", args, script);
  if (dump) *dump = DumpAt(r);
  return r;
}

TEST(TableDisp, ShowIsOnWhenOpenedAndFlagsAndBackgroundComeBack) {
  std::string dump;
  EXPECT_EQ(Call("dump\nclick 1\n", {0, 1, 0, 2, 1}, "", &dump).out, "1|1|0|2|1|\n");
  EXPECT_EQ(FieldOf(dump, 1088, "checked") + FieldOf(dump, 1089, "checked") + FieldOf(dump, 1095, "checked") +
                FieldOf(dump, 1096, "checked") + FieldOf(dump, 1092, "checked") + FieldOf(dump, 1090, "checked"),
            "110110");
  EXPECT_EQ(Call("click 1088\nclick 1\n", {0, 0, 0, 0, 0}).out, "0|0|0|0|0|\n");
  EXPECT_EQ(Call("escape\n", {1, 1, 1, 1, 1}).out, "\n");
  EXPECT_EQ(Events(Call("escape\n", {1, 1, 1, 1, 1}).log, "open")[0],
            U8(u8R"({"event":"open","dialog":141,"title":" 表形式データ"})"));
}

TEST(TableDisp, ChecksToggleAndRadiosSetTheBackground) {
  EXPECT_EQ(Call("click 1089\nclick 1095\nclick 1096\nclick 1093\nclick 1\n", {1, 0, 1, 0, 0}).out, "1|1|0|3|1|\n");
  EXPECT_EQ(Call("click 1094\nclick 1090\nclick 1\n", {1, 0, 0, 4, 0}).out, "1|0|0|0|0|\n");
  // A colour outside 0..4 ticks no radio and comes back unchanged.
  std::string dump;
  EXPECT_EQ(Call("dump\nclick 1\n", {1, 0, 0, 5, 0}, "", &dump).out, "1|0|0|5|0|\n");
  for (int id = 1090; id <= 1094; ++id) EXPECT_EQ(FieldOf(dump, id, "checked"), "0") << id;
  // A flag that is neither 0 nor 1 shows unticked; a click makes it 1.
  EXPECT_EQ(Call("click 1089\nclick 1\n", {1, 7, 0, 0, 0}).out, "1|1|0|0|0|\n");
}

TEST(TableDisp, TheEditButtonOpensTheStatisticsList) {
  RunResult r = Call("click 1345\nclick 1345\nclick 1\n", {1, 0, 0, 0, 0}, "true");
  const auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_NE(processes[1].find(R"("command":"true D:\\DATA\\MAPELMNT\\STTSTCS.DAT")"), std::string::npos);
  EXPECT_EQ(r.out, "1|0|0|0|0|\n");
}

}  // namespace
}  // namespace topodlg::test
