// The registered point list (OnFileTableSelect) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class PointList : public ::testing::Test {
 protected:
  PointList() {
    m_dir.Write("points.txt",
                "Image1 355000 1395000 photo D:\\A.JPG\r\n"
                "Text1 355000 1395000 memo d:\\t.txt\r\n"
                "Album 355000 1395000 alb d:\\x.alb\r\n"
                "Web 355000 1395000 site http://e.jp\r\n"
                "WebImg 355000 1395000 both d:\\p.htm d:\\q.jpg\r\n"
                "Three 355000 1395000\r\n"
                ";Comment 355000 1395000 x a.txt\r\n"
                "Out 370000 1395000 x a.txt\r\n");
    m_dir.Write("MAPELMNT/STTSTCS.DAT", "NoCsv 355000 1395000 x d:\\a.txt\r\nPop 355000 1395000 tokyo d:\\pop.csv\r\n");
  }
  RunResult Run(const std::string& script, int tab = 0, const std::string& file = "D:\\points.txt",
                const std::string& dataDir = "D:\\") {
    return CallEntry("OnFileTableSelect",
                     {std::to_string(tab), "1390000", "350000", "1400000", "360000", file, dataDir, "--drive",
                      "D=" + m_dir.str()},
                     script);
  }
  TempDir m_dir;
};

TEST_F(PointList, ThreePagesSortThePointsInsideTheBounds) {
  RunResult r = Run("dump\nescape\n");
  EXPECT_EQ(r.out, "\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1097).Items(), Texts({U8(u8"ﾃｷｽﾄ・画像"), U8(u8"ｳｪﾌﾞﾍﾟｰｼﾞ"), U8(u8"表形式ﾃﾞｰﾀ")}));
  EXPECT_EQ(d.Control(1097).Selected(), 0);
  const DumpedPage textImage = d.Page(176), web = d.Page(149), table = d.Page(146);
  EXPECT_TRUE(textImage.Visible());
  EXPECT_FALSE(web.Visible());
  EXPECT_FALSE(table.Visible());
  EXPECT_EQ(textImage.Control(1218).Items(), Texts({"image1", "webimg"}));
  EXPECT_EQ(textImage.Control(1215).Text(), U8(u8"画像(2地点)"));
  EXPECT_EQ(textImage.Control(1217).Items(), Texts{"text1"});
  EXPECT_EQ(textImage.Control(1216).Text(), U8(u8"ﾃｷｽﾄ(1地点)"));
  EXPECT_EQ(web.Control(1099).Items(), Texts({"web", "webimg"}));
  EXPECT_EQ(web.Control(1215).Text(), U8(u8"   (2地点)"));
  EXPECT_EQ(table.Control(1098).Items(), Texts{"pop"});
  EXPECT_EQ(table.Control(1215).Text(), U8(u8"   (1地点)"));
  EXPECT_EQ(Events(r.log, "open").at(0).Line(), U8(u8R"({"event":"open","dialog":142,"title":" 登録地点リスト"})"));
}

TEST_F(PointList, ChoosingShowsThePointAndOkReturnsTheLineOfTheCurrentTab) {
  RunResult r = Run("select 1218 1\ndump\nselect 1217 0\ndump\nclick 1\n");
  const DumpedPage first = DumpAt(r, 0).Page(176), second = DumpAt(r, 1).Page(176);
  EXPECT_EQ(first.Control(1213).Text() + "/" + first.Control(1214).Text() + "/" + first.Control(1219).Text(),
            "355000/1395000/both");
  // A choice in one list clears the other's selection.
  EXPECT_EQ(second.Control(1218).Selected(), -1);
  EXPECT_EQ(second.Control(1217).Selected(), 0);
  EXPECT_EQ(r.out, "Text1 355000 1395000 memo d:\\t.txt\n");
  // Each item stands for its own line, also where lines before it are not listed.
  EXPECT_EQ(Run("select 1098 0\nclick 1\n", 2).out, "Pop 355000 1395000 tokyo d:\\pop.csv\n");
}

TEST_F(PointList, OnlyTheCurrentTabsChoiceCounts) {
  EXPECT_EQ(Run("select 1218 0\ntab 1097 1\nclick 1\n").out, "\n");
  EXPECT_EQ(Run("select 1218 0\ntab 1097 1\ntab 1097 0\nclick 1\n").out, "Image1 355000 1395000 photo D:\\A.JPG\n");
  // A double click chooses as a selection does and leaves the dialog open.
  RunResult r = Run("dblclick 1099 1\ndump\nclick 1\n", 1);
  EXPECT_EQ(DumpAt(r).Page(149).Control(1219).Text(), "both");
  EXPECT_EQ(r.out, "WebImg 355000 1395000 both d:\\p.htm d:\\q.jpg\n");
  EXPECT_EQ(Run("select 1098 0\nescape\n", 2).out, "\n");
}

TEST_F(PointList, MissingFilesShowEmptyPagesAndAnUnknownTabOpensTheFirst) {
  const Dump d = DumpAt(Run("dump\nclick 1\n", 9, "", ""));
  EXPECT_EQ(d.Control(1097).Selected(), 0);
  const DumpedPage textImage = d.Page(176), table = d.Page(146);
  EXPECT_EQ(textImage.Control(1218).Items(), Texts{});
  EXPECT_EQ(textImage.Control(1215).Text() + textImage.Control(1216).Text(), U8(u8"画像(0地点)ﾃｷｽﾄ(0地点)"));
  EXPECT_EQ(table.Control(1098).Items(), Texts{});
  EXPECT_EQ(table.Control(1215).Text(), U8(u8"   (0地点)"));
  EXPECT_EQ(Run("click 1\n", 0, "D:\\none.txt").out, "\n");
}

}  // namespace
}  // namespace topodlg::test
