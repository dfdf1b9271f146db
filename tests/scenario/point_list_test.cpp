// The registered point list (OnFileTableSelect) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dialog_run.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

// The first page control of a dump's tab page `dialog`, as a dump of its own.
std::string PageIn(const std::string& dump, int dialog) {
  const size_t at = dump.find("{\"dialog\":" + std::to_string(dialog) + ",");
  return at == std::string::npos ? "" : dump.substr(at);
}

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
    RunResult r = CallEntry("OnFileTableSelect",
                            {std::to_string(tab), "1390000", "350000", "1400000", "360000", file, dataDir, "--drive",
                             "D=" + m_dir.str()},
                            script);
    m_last = r;
    return r;
  }
  std::string Dump(size_t i = 0) const { return DumpAt(m_last, i); }
  TempDir m_dir;
  RunResult m_last;
};

TEST_F(PointList, ThreePagesSortThePointsInsideTheBounds) {
  RunResult r = Run("dump\nescape\n");
  EXPECT_EQ(r.out, "\n");
  const std::string d = Dump();
  EXPECT_EQ(FieldOf(d, 1097, "items") + FieldOf(d, 1097, "selected"), U8(u8R"x(["ﾃｷｽﾄ・画像","ｳｪﾌﾞﾍﾟｰｼﾞ","表形式ﾃﾞｰﾀ"]0)x"));
  const std::string textImage = PageIn(d, 176), web = PageIn(d, 149), table = PageIn(d, 146);
  EXPECT_NE(textImage.find("\"visible\":true"), std::string::npos);
  EXPECT_EQ(web.substr(web.find(',') + 1, 15), "\"visible\":false");
  EXPECT_EQ(FieldOf(textImage, 1218, "items") + TextOf(textImage, 1215), U8(u8R"(["image1","webimg"]画像(2地点))"));
  EXPECT_EQ(FieldOf(textImage, 1217, "items") + TextOf(textImage, 1216), U8(u8R"(["text1"]ﾃｷｽﾄ(1地点))"));
  EXPECT_EQ(FieldOf(web, 1099, "items") + TextOf(web, 1215), U8(u8R"(["web","webimg"]   (2地点))"));
  EXPECT_EQ(FieldOf(table, 1098, "items") + TextOf(table, 1215), U8(u8R"(["pop"]   (1地点))"));
  EXPECT_EQ(Events(r.log, "open")[0], U8(u8R"({"event":"open","dialog":142,"title":" 登録地点リスト"})"));
}

TEST_F(PointList, ChoosingShowsThePointAndOkReturnsTheLineOfTheCurrentTab) {
  RunResult r = Run("select 1218 1\ndump\nselect 1217 0\ndump\nclick 1\n");
  const std::string first = PageIn(Dump(0), 176), second = PageIn(Dump(1), 176);
  EXPECT_EQ(TextOf(first, 1213) + "/" + TextOf(first, 1214) + "/" + TextOf(first, 1219), "355000/1395000/both");
  // A choice in one list clears the other's selection.
  EXPECT_EQ(FieldOf(second, 1218, "selected") + FieldOf(second, 1217, "selected"), "-10");
  EXPECT_EQ(r.out, "Text1 355000 1395000 memo d:\\t.txt\n");
  // Each item stands for its own line, also where lines before it are not listed.
  EXPECT_EQ(Run("select 1098 0\nclick 1\n", 2).out, "Pop 355000 1395000 tokyo d:\\pop.csv\n");
}

TEST_F(PointList, OnlyTheCurrentTabsChoiceCounts) {
  EXPECT_EQ(Run("select 1218 0\ntab 1097 1\nclick 1\n").out, "\n");
  EXPECT_EQ(Run("select 1218 0\ntab 1097 1\ntab 1097 0\nclick 1\n").out, "Image1 355000 1395000 photo D:\\A.JPG\n");
  // A double click chooses as a selection does and leaves the dialog open.
  RunResult r = Run("dblclick 1099 1\ndump\nclick 1\n", 1);
  EXPECT_EQ(TextOf(PageIn(Dump(), 149), 1219), "both");
  EXPECT_EQ(r.out, "WebImg 355000 1395000 both d:\\p.htm d:\\q.jpg\n");
  EXPECT_EQ(Run("select 1098 0\nescape\n", 2).out, "\n");
}

TEST_F(PointList, MissingFilesShowEmptyPagesAndAnUnknownTabOpensTheFirst) {
  Run("dump\nclick 1\n", 9, "", "");
  EXPECT_EQ(FieldOf(Dump(), 1097, "selected"), "0");
  const std::string textImage = PageIn(Dump(), 176), table = PageIn(Dump(), 146);
  EXPECT_EQ(FieldOf(textImage, 1218, "items") + TextOf(textImage, 1215) + TextOf(textImage, 1216),
            U8(u8"[]画像(0地点)ﾃｷｽﾄ(0地点)"));
  EXPECT_EQ(FieldOf(table, 1098, "items") + TextOf(table, 1215), U8(u8"[]   (0地点)"));
  EXPECT_EQ(Run("click 1\n", 0, "D:\\none.txt").out, "\n");
}

}  // namespace
}  // namespace topodlg::test
