// Area file update (OnDlgTalUp) through the scripted user.
#include <gtest/gtest.h>

#include "tests/scenario/area_data.h"
#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class AreaFileUpdateDialog : public ::testing::Test {
 protected:
  RunResult Run(int linear, const std::string& mapKind, const std::string& script, const std::string& editor = "") {
    std::vector<std::string> args = {std::to_string(linear), U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備"), "", "x",
                                     "D:\\", mapKind, editor};
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    RunResult r = CallEntry("OnDlgTalUp", args, script);
    return r;
  }
  AreaData m_data;
};

TEST_F(AreaFileUpdateDialog, OpensWithoutAGroupAndReturnsPlaceholders) {
  RunResult r = Run(0, "MEM", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "-1 * *|*|MEM|*\n");
  EXPECT_EQ(Events(r.log, "open").at(0)["title"].Str(), U8(u8"   エリアファイルの更新"));
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1414).Items(), Texts({U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備")}));
  EXPECT_EQ(d.Control(1414).Selected(), -1);
  EXPECT_EQ(d.Control(1415).Items(), Texts{});
  EXPECT_EQ(std::vector<int>({d.Control(1334).Checked(), d.Control(1335).Checked(), d.Control(1464).Checked()}),
            std::vector<int>({0, 1, 0}));
  // Another map kind selects no radio and comes back as it was.
  r = Run(0, "XYZ", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "-1 * *|*|XYZ|*\n");
  d = DumpAt(r);
  EXPECT_EQ(std::vector<int>({d.Control(1334).Checked(), d.Control(1335).Checked(), d.Control(1464).Checked()}),
            std::vector<int>({0, 0, 0}));
  EXPECT_EQ(Run(0, "", "click 1464\nclick 1\n").out, "-1 * *|*|TEM|*\n");
  EXPECT_EQ(Run(0, "", "click 1334\nclick 1\n").out, "-1 * *|*|SEM|*\n");
  EXPECT_EQ(Run(0, "SEM", "click 1335\nescape\n").out, "\n");
  // Without a file the editor starts on nothing.
  EXPECT_TRUE(Events(Run(0, "SEM", "click 1438\nclick 1\n", "/bin/true").log, "process").empty());
}

TEST_F(AreaFileUpdateDialog, AGroupShowsRecordZeroAndANameItsRecord) {
  RunResult r = Run(0, "SEM", "select 1414 0\ndump\nselect 1415 1\ndump\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 N3528.000 E13909.000|D:\\AreaDt00.trk|SEM|丹沢 格子 深緑 の 森\n"));
  const Dump group = DumpAt(r, 0);
  EXPECT_EQ(group.Control(1415).Items(), Texts({U8(u8"高尾山"), U8(u8"丹沢"), U8(u8"箱根")}));
  EXPECT_EQ(group.Control(1415).Selected(), 0);
  EXPECT_EQ(group.Control(1420).Text() + "|" + group.Control(1417).Text() + "|" + group.Control(1418).Text() + "|" +
                group.Control(1419).Text() + "|" + group.Control(1416).Text(),
            U8(u8"登録数=3|斜線／|赤|10-MAR-03 04:52:24|N3537.506 E13914.640"));
  const Dump name = DumpAt(r, 1);
  EXPECT_EQ(name.Control(1420).Text() + "|" + name.Control(1418).Text(), U8(u8"   2/3|深緑 の 森"));
}

TEST_F(AreaFileUpdateDialog, AGroupWithoutRecordsShowsTheEndMarker) {
  RunResult r = Run(0, "MEM", "select 1414 0\nselect 1414 1\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "1 999|D:\\AreaDt01.trk|MEM|999\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1415).Items(), Texts{});
  EXPECT_EQ(d.Control(1420).Text() + "|" + d.Control(1417).Text() + "|" + d.Control(1418).Text(), U8(u8"未登録||999"));
}

TEST_F(AreaFileUpdateDialog, TheEditorOpensTheGroupsFileAndItIsReadAgain) {
  m_data.Dir().Write("edit.sh", "printf 'H  new p c\\r\\nH  LATITUDE\\r\\nT  N1\\r\\n' > \"$1\"\n");
  RunResult r = Run(0, "TEM", "select 1414 2\nclick 1438\ndump\nclick 1\n", "/bin/sh " + m_data.Dir().str() + "/edit.sh");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  const std::string command = Events(r.log, "process").at(0)["command"].Str();
  EXPECT_TRUE(command.ends_with("edit.sh D:\\AreaDt02.trk")) << command;
  EXPECT_EQ(r.out, "2 N1|D:\\AreaDt02.trk|TEM|new p c\n");
  // The group box is filled once.
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1414).Items(), Texts({U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備")}));
  EXPECT_EQ(d.Control(1415).Items(), Texts{"new"});
  EXPECT_EQ(d.Control(1420).Text(), U8(u8"登録数=1"));
}

TEST_F(AreaFileUpdateDialog, LinearModeReadsTheLineFiles) {
  RunResult r = Run(1, "MEM", "dump\nselect 1414 0\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 N3531.000 E13901.000|D:\\Linear00.trk|MEM|林道 太線 茶\n"));
  EXPECT_EQ(Events(r.log, "open").at(0)["title"].Str(), U8(u8"      線形の選択"));
  EXPECT_EQ(DumpAt(r).Control(1437).Text(), U8(u8"線形の選択"));
}

}  // namespace
}  // namespace topodlg::test
