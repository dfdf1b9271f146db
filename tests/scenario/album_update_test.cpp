// The album update dialog (OnAlbumUpdate): the entries, each entry's files and
// memos, the point's data, the editor and the three endings.
#include <gtest/gtest.h>

#include "tests/support/dump_query.h"
#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

const std::string kAlbum = Sjis(U8(u8";made by hand\r\nMemo line\r\n湖畔 35.1 139.2 ＃1 a.jpg b.txt\r\n\r\n"
                                   u8"Loc.2 35.2 139.3  x.txt\r\nLoc.3 35.3 139.4 n3 Y.GIF\r\n"));

class AlbumUpdateDialog : public ::testing::Test {
 protected:
  void SetUp() override { m_data.Write("Album/09B03E05.alb", kAlbum); }
  RunResult Run(const std::string& script, const std::string& album = "D:\\Album\\09B03E05.alb",
                const std::string& editor = "") {
    RunResult r = RunCli({"call", "OnAlbumUpdate", album, U8(u8"湖"), "item", "139.2", "35.1", editor, "--drive",
                          "D=" + m_data.str()},
                         script);
    EXPECT_EQ(r.exit, 0) << r.err;
    m_dumps = Events(r.log, "dump");
    return r;
  }
  std::string Dump(size_t i) const { return i < m_dumps.size() ? m_dumps[i] : ""; }
  std::string Shown(size_t i) const {
    return TextOf(Dump(i), 105) + "|" + TextOf(Dump(i), 1170) + "|" + TextOf(Dump(i), 106) + "|" +
           TextOf(Dump(i), 104) + "|" + TextOf(Dump(i), 131);
  }
  TempDir m_data;
  std::vector<std::string> m_dumps;
};

TEST_F(AlbumUpdateDialog, ListsTheEntriesAndShowsEachOnesFilesAndMemos) {
  RunResult r = Run("dump\nselect 128 0\ndump\nselect 128 1\ndump\nselect 128 2\ndump\nenter\n");
  EXPECT_EQ(r.out, U8(u8"1|湖 35.1 139.2 item \n"));
  EXPECT_EQ(FieldOf(Dump(0), 128, "items"), U8(u8R"(["湖畔#＃1","Loc.2#","Loc.3#n3"])"));
  EXPECT_NE(Dump(0).find(R"("focus":106)"), std::string::npos);
  EXPECT_EQ(TextOf(Dump(0), 131) + TextOf(Dump(0), 129) + TextOf(Dump(0), 130) + TextOf(Dump(0), 132) + "|" +
                TextOf(Dump(0), 1000),
            U8(u8"3件湖item35.1|139.2"));
  EXPECT_EQ(Shown(1), U8(u8"b.txt|a.jpg|湖畔|＃1|1/3"));
  EXPECT_EQ(Shown(2), "x.txt||Loc.2||2/3");
  EXPECT_EQ(Shown(3), "|Y.GIF|Loc.3|n3|3/3");
}

TEST_F(AlbumUpdateDialog, TheThreeEndingsAndCancel) {
  EXPECT_EQ(Run(U8(u8"type 129 湖畔\ntype 132 36\ntype 1000 140\ntype 130 \"\"\nenter\n")).out,
            U8(u8"1|湖畔 36 140  \n"));
  // Finishing the update also takes the boxes as the user left them.
  EXPECT_EQ(Run("type 130 new\nclick 1200\n").out, U8(u8"2|湖 35.1 139.2 new \n"));
  RunResult r = Run("type 130 new\nclick 121\n");
  EXPECT_EQ(r.out, "3|\n");
  EXPECT_EQ(Events(r.log, "end")[0], R"({"event":"end","dialog":147,"code":-1})");
  EXPECT_EQ(Run("type 130 new\nescape\n").out, "\n");
  EXPECT_EQ(m_data.Read("Album/09B03E05.alb"), kAlbum);  // never rewritten
}

TEST_F(AlbumUpdateDialog, TheEditorOpensTheAlbumWithoutReadingItAgain) {
  RunResult r = Run("click 1076\ndump\nenter\n", "D:\\Album\\09B03E05.alb", "true");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_NE(Events(r.log, "process")[0].find(R"("command":"true D:\\Album\\09B03E05.alb")"), std::string::npos);
  EXPECT_EQ(r.out, U8(u8"1|湖 35.1 139.2 item \n"));
  // No album file: nothing to edit and nothing listed.
  r = Run("click 1076\ndump\nenter\n", "", "true");
  EXPECT_TRUE(Events(r.log, "process").empty());
  EXPECT_EQ(FieldOf(Dump(0), 128, "items") + TextOf(Dump(0), 131), U8(u8"[]0件"));
  Run("dump\nenter\n", "D:\\Album\\missing.alb");
  EXPECT_EQ(TextOf(Dump(0), 131), U8(u8"0件"));
}

TEST_F(AlbumUpdateDialog, OnlyTheFirst99EntriesAreShown) {
  std::string many;
  for (int i = 1; i <= 120; ++i) many += "m" + std::to_string(i) + " 1 2 n a" + std::to_string(i) + ".txt\r\n";
  m_data.Write("Album/big.alb", many);
  Run("select 128 98\ndump\nenter\n", "D:\\Album\\big.alb");
  EXPECT_EQ(TextOf(Dump(0), 131) + TextOf(Dump(0), 105), "99/99a99.txt");
}

}  // namespace
}  // namespace topodlg::test
