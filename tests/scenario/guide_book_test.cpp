// Opening a guidebook (OnDlgSnrRp) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dialog_run.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

class GuideBook : public ::testing::Test {
 protected:
  GuideBook() {
    // Code page 932 contents: ordinary literals are.
    m_dir.Write("SCENARIO/Scnr00.dat", "夏山 summer.txt\r\n冬山 winter data.txt\r\nnofile missing.txt\r\n\r\nafter x.txt\r\n");
    m_dir.Write("SCENARIO/Scnr02.dat", "one 1.txt\r\nstop\r\ntwo 2.txt\r\n");
    m_dir.Write("SCENARIO/summer.txt", "a b\r\nKEY1\r\nc d\r\n");
    m_dir.Write("SCENARIO/winter data.txt", "\r\nX\r\n");
    m_dir.Write("SCENARIO/1.txt", "k1 k2\r\n");
  }
  RunResult Run(const std::string& script, int mode = 3, int group = -1, const std::string& editor = "") {
    RunResult r = CallEntry("OnDlgSnrRp",
                            {std::to_string(mode), std::to_string(group), U8(u8"夏"), U8(u8"冬"), U8(u8"秋"), "",
                             "x", editor, "D:\\", "--drive", "D=" + m_dir.str()},
                            script);
    m_last = r;
    return r;
  }
  std::string Dump(size_t i = 0) const { return DumpAt(m_last, i); }
  TempDir m_dir;
  RunResult m_last;
};

TEST_F(GuideBook, EditModeOpensEmptyAndReturnsTheChosenGuidebook) {
  RunResult r = Run("dump\nselect 1317 0\ndump\nselect 1318 0\ndump\nclick 1\n");
  EXPECT_EQ(TextOf(Dump(0), 1320) + FieldOf(Dump(0), 1317, "items") + FieldOf(Dump(0), 1318, "items"),
            U8(u8R"(タイトル編集["夏","冬","秋"][])"));
  // The index ends at its empty line.
  EXPECT_EQ(FieldOf(Dump(1), 1318, "items") + TextOf(Dump(1), 1319), U8(u8R"(["夏山","冬山","nofile"]計=  3)"));
  EXPECT_EQ(TextOf(Dump(2), 1320), U8(u8"データ編集"));
  EXPECT_EQ(r.out, "0 KEY1|D:\\SCENARIO\\summer.txt\n");
  EXPECT_EQ(Events(r.log, "open")[0], U8(u8R"({"event":"open","dialog":214,"title":" ガイドブックを開く"})"));
  EXPECT_EQ(Run("escape\n").out, "\n");
  EXPECT_EQ(Run("click 1\n").out, "-1 |\n");
}

TEST_F(GuideBook, AKeyLineStaysWhenTheNextFileHasNoneAndGoesAtAReset) {
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nselect 1318 1\nclick 1\n").out,
            "0 KEY1|D:\\SCENARIO\\winter data.txt\n");
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nselect 1318 2\nclick 1\n").out, "0 KEY1|D:\\SCENARIO\\missing.txt\n");
  // Back to the group box: the choice starts over.
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nfocus 1317\ndump\nclick 1\n").out, "0 |\n");
  EXPECT_EQ(FieldOf(Dump(), 1318, "selected") + TextOf(Dump(), 1320), U8(u8"-1タイトル編集"));
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nselect 1317 0\nselect 1318 1\nclick 1\n").out,
            "0 |D:\\SCENARIO\\winter data.txt\n");
}

TEST_F(GuideBook, ListModeOpensOnTheGroup) {
  RunResult r = Run("dump\nselect 1318 0\ndump\nclick 1\n", 4, 2);
  EXPECT_EQ(FieldOf(Dump(0), 1317, "selected") + FieldOf(Dump(0), 1318, "items") + TextOf(Dump(0), 1320), "2[\"one\"]");
  EXPECT_EQ(TextOf(Dump(1), 1320), U8(u8"データ一覧"));
  EXPECT_EQ(r.out, "2 k1 k2|D:\\SCENARIO\\1.txt\n");
  // A group that has no index lists nothing.
  Run("dump\nescape\n", 4, 1);
  EXPECT_EQ(FieldOf(Dump(), 1318, "items") + TextOf(Dump(), 1319), U8(u8"[]計=  0"));
}

TEST_F(GuideBook, TheButtonEditsTheIndexThenTheChosenDataFile) {
  m_dir.Write("edit.sh", "case \"$1\" in *Scnr00.dat) printf 'new n.txt\\r\\n' > \"$1\";; esac\n");
  const std::string editor = "/bin/sh " + m_dir.str() + "/edit.sh";
  RunResult r = Run("click 1320\nselect 1317 0\nclick 1320\ndump\nselect 1318 0\nclick 1320\nclick 1\n", 3, -1, editor);
  const auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_NE(processes[0].find("edit.sh D:\\\\SCENARIO\\\\Scnr00.dat\""), std::string::npos);
  EXPECT_NE(processes[1].find("edit.sh D:\\\\SCENARIO\\\\n.txt\""), std::string::npos);
  EXPECT_EQ(FieldOf(Dump(), 1318, "items"), R"(["new"])");
  EXPECT_EQ(r.out, "0 |D:\\SCENARIO\\n.txt\n");
}

}  // namespace
}  // namespace topodlg::test
