// Area file update (OnDlgTalUp) through the scripted user.
#include <gtest/gtest.h>

#include "tests/scenario/area_data.h"
#include "tests/support/dialog_run.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

class AreaFileUpdateDialog : public ::testing::Test {
 protected:
  RunResult Run(int linear, const std::string& mapKind, const std::string& script, const std::string& editor = "") {
    std::vector<std::string> args = {std::to_string(linear), U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備"), "", "x",
                                     "D:\\", mapKind, editor};
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    RunResult r = CallEntry("OnDlgTalUp", args, script);
    m_dump = DumpAt(r);
    return r;
  }
  std::string Field(int id, const char* field) const { return FieldOf(m_dump, id, field); }
  std::string Text(int id) const { return TextOf(m_dump, id); }
  AreaData m_data;
  std::string m_dump;
};

TEST_F(AreaFileUpdateDialog, OpensWithoutAGroupAndReturnsPlaceholders) {
  RunResult r = Run(0, "MEM", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "-1 * *|*|MEM|*\n");
  EXPECT_NE(r.log.find(U8(u8R"("title":"   エリアファイルの更新")")), std::string::npos);
  EXPECT_EQ(Field(1414, "items") + Field(1414, "selected") + Field(1415, "items"), U8(u8R"(["山地","湖沼","予備"]-1[])"));
  EXPECT_EQ(Field(1334, "checked") + Field(1335, "checked") + Field(1464, "checked"), "010");
  // Another map kind selects no radio and comes back as it was.
  EXPECT_EQ(Run(0, "XYZ", "dump\nclick 1\n").out, "-1 * *|*|XYZ|*\n");
  EXPECT_EQ(Field(1334, "checked") + Field(1335, "checked") + Field(1464, "checked"), "000");
  EXPECT_EQ(Run(0, "", "click 1464\nclick 1\n").out, "-1 * *|*|TEM|*\n");
  EXPECT_EQ(Run(0, "", "click 1334\nclick 1\n").out, "-1 * *|*|SEM|*\n");
  EXPECT_EQ(Run(0, "SEM", "click 1335\nescape\n").out, "\n");
  // Without a file the editor starts on nothing.
  EXPECT_TRUE(Events(Run(0, "SEM", "click 1438\nclick 1\n", "/bin/true").log, "process").empty());
}

TEST_F(AreaFileUpdateDialog, AGroupShowsRecordZeroAndANameItsRecord) {
  RunResult r = Run(0, "SEM", "select 1414 0\ndump\nselect 1415 1\ndump\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 N3528.000 E13909.000|D:\\AreaDt00.trk|SEM|丹沢 格子 深緑 の 森\n"));
  EXPECT_EQ(Field(1415, "items") + Field(1415, "selected") + Text(1420) + "|" + Text(1417) + "|" + Text(1418) + "|" +
                Text(1419) + "|" + Text(1416),
            U8(u8R"(["高尾山","丹沢","箱根"]0登録数=3|斜線／|赤|10-MAR-03 04:52:24|N3537.506 E13914.640)"));
  m_dump = DumpAt(r, 1);
  EXPECT_EQ(Text(1420) + "|" + Text(1418), U8(u8"   2/3|深緑 の 森"));
}

TEST_F(AreaFileUpdateDialog, AGroupWithoutRecordsShowsTheEndMarker) {
  RunResult r = Run(0, "MEM", "select 1414 0\nselect 1414 1\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "1 999|D:\\AreaDt01.trk|MEM|999\n");
  EXPECT_EQ(Field(1415, "items") + Text(1420) + "|" + Text(1417) + "|" + Text(1418), U8(u8"[]未登録||999"));
}

TEST_F(AreaFileUpdateDialog, TheEditorOpensTheGroupsFileAndItIsReadAgain) {
  m_data.Dir().Write("edit.sh", "printf 'H  new p c\\r\\nH  LATITUDE\\r\\nT  N1\\r\\n' > \"$1\"\n");
  RunResult r = Run(0, "TEM", "select 1414 2\nclick 1438\ndump\nclick 1\n", "/bin/sh " + m_data.Dir().str() + "/edit.sh");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_NE(Events(r.log, "process")[0].find("edit.sh D:\\\\AreaDt02.trk\""), std::string::npos);
  EXPECT_EQ(r.out, "2 N1|D:\\AreaDt02.trk|TEM|new p c\n");
  // The group box is filled once.
  EXPECT_EQ(Field(1414, "items") + Field(1415, "items") + Text(1420), U8(u8R"(["山地","湖沼","予備"]["new"]登録数=1)"));
}

TEST_F(AreaFileUpdateDialog, LinearModeReadsTheLineFiles) {
  RunResult r = Run(1, "MEM", "dump\nselect 1414 0\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 N3531.000 E13901.000|D:\\Linear00.trk|MEM|林道 太線 茶\n"));
  EXPECT_NE(r.log.find(U8(u8R"("title":"      線形の選択")")), std::string::npos);
  EXPECT_EQ(Text(1437), U8(u8"線形の選択"));
}

}  // namespace
}  // namespace topodlg::test
