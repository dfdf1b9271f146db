// Opening a guidebook (OnDlgSnrRp) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

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
  TempDir m_dir;
  RunResult m_last;
};

TEST_F(GuideBook, EditModeOpensEmptyAndReturnsTheChosenGuidebook) {
  RunResult r = Run("dump\nselect 1317 0\ndump\nselect 1318 0\ndump\nclick 1\n");
  const Dump opened = DumpAt(r, 0);
  EXPECT_EQ(opened.Control(1320).Text(), U8(u8"タイトル編集"));
  EXPECT_EQ(opened.Control(1317).Items(), Texts({U8(u8"夏"), U8(u8"冬"), U8(u8"秋")}));
  EXPECT_EQ(opened.Control(1318).Items(), Texts{});
  // The index ends at its empty line.
  EXPECT_EQ(DumpAt(r, 1).Control(1318).Items(), Texts({U8(u8"夏山"), U8(u8"冬山"), "nofile"}));
  EXPECT_EQ(DumpAt(r, 1).Control(1319).Text(), U8(u8"計=  3"));
  EXPECT_EQ(DumpAt(r, 2).Control(1320).Text(), U8(u8"データ編集"));
  EXPECT_EQ(r.out, "0 KEY1|D:\\SCENARIO\\summer.txt\n");
  EXPECT_EQ(Events(r.log, "open").at(0).Line(), U8(u8R"({"event":"open","dialog":214,"title":" ガイドブックを開く"})"));
  EXPECT_EQ(Run("escape\n").out, "\n");
  EXPECT_EQ(Run("click 1\n").out, "-1 |\n");
}

TEST_F(GuideBook, AKeyLineStaysWhenTheNextFileHasNoneAndGoesAtAReset) {
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nselect 1318 1\nclick 1\n").out,
            "0 KEY1|D:\\SCENARIO\\winter data.txt\n");
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nselect 1318 2\nclick 1\n").out, "0 KEY1|D:\\SCENARIO\\missing.txt\n");
  // Back to the group box: the choice starts over.
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nfocus 1317\ndump\nclick 1\n").out, "0 |\n");
  EXPECT_EQ(DumpAt(m_last).Control(1318).Selected(), -1);
  EXPECT_EQ(DumpAt(m_last).Control(1320).Text(), U8(u8"タイトル編集"));
  EXPECT_EQ(Run("select 1317 0\nselect 1318 0\nselect 1317 0\nselect 1318 1\nclick 1\n").out,
            "0 |D:\\SCENARIO\\winter data.txt\n");
}

TEST_F(GuideBook, ListModeOpensOnTheGroup) {
  RunResult r = Run("dump\nselect 1318 0\ndump\nclick 1\n", 4, 2);
  const Dump opened = DumpAt(r, 0);
  EXPECT_EQ(opened.Control(1317).Selected(), 2);
  EXPECT_EQ(opened.Control(1318).Items(), Texts{"one"});
  EXPECT_EQ(opened.Control(1320).Text(), "");
  EXPECT_EQ(DumpAt(r, 1).Control(1320).Text(), U8(u8"データ一覧"));
  EXPECT_EQ(r.out, "2 k1 k2|D:\\SCENARIO\\1.txt\n");
  // A group that has no index lists nothing.
  const Dump empty = DumpAt(Run("dump\nescape\n", 4, 1));
  EXPECT_EQ(empty.Control(1318).Items(), Texts{});
  EXPECT_EQ(empty.Control(1319).Text(), U8(u8"計=  0"));
}

TEST_F(GuideBook, TheButtonEditsTheIndexThenTheChosenDataFile) {
  m_dir.Write("edit.sh", "case \"$1\" in *Scnr00.dat) printf 'new n.txt\\r\\n' > \"$1\";; esac\n");
  const std::string editor = "/bin/sh " + m_dir.str() + "/edit.sh";
  RunResult r = Run("click 1320\nselect 1317 0\nclick 1320\ndump\nselect 1318 0\nclick 1320\nclick 1\n", 3, -1, editor);
  const auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 2u);
  EXPECT_EQ(processes[0]["command"].Str(), editor + " D:\\SCENARIO\\Scnr00.dat");
  EXPECT_EQ(processes[1]["command"].Str(), editor + " D:\\SCENARIO\\n.txt");
  EXPECT_EQ(DumpAt(r).Control(1318).Items(), Texts{"new"});
  EXPECT_EQ(r.out, "0 |D:\\SCENARIO\\n.txt\n");
}

}  // namespace
}  // namespace topodlg::test
