// The album update dialog (OnAlbumUpdate): the entries, each entry's files and
// memos, the point's data, the editor and the three endings.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

const std::string kAlbum = Sjis(U8(u8";made by hand\r\nMemo line\r\n湖畔 35.1 139.2 ＃1 a.jpg b.txt\r\n\r\n"
                                   u8"Loc.2 35.2 139.3  x.txt\r\nLoc.3 35.3 139.4 n3 Y.GIF\r\n"));

class AlbumUpdateDialog : public ::testing::Test {
 protected:
  void SetUp() override { m_data.Write("Album/09B03E05.alb", kAlbum); }
  RunResult Run(const std::string& script, const std::string& album = "D:\\Album\\09B03E05.alb",
                const std::string& editor = "") {
    return CallEntry("OnAlbumUpdate",
                     {album, U8(u8"湖"), "item", "139.2", "35.1", editor, "--drive", "D=" + m_data.str()}, script);
  }
  TempDir m_data;
};

// The chosen entry's text file, picture file, two memos and its place in the list.
std::string Shown(const Dump& d) {
  return d.Control(105).Text() + "|" + d.Control(1170).Text() + "|" + d.Control(106).Text() + "|" +
         d.Control(104).Text() + "|" + d.Control(131).Text();
}

TEST_F(AlbumUpdateDialog, ListsTheEntriesAndShowsEachOnesFilesAndMemos) {
  RunResult r = Run("dump\nselect 128 0\ndump\nselect 128 1\ndump\nselect 128 2\ndump\nenter\n");
  EXPECT_EQ(r.out, U8(u8"1|湖 35.1 139.2 item \n"));
  const Dump opened = DumpAt(r, 0);
  EXPECT_EQ(opened.Control(128).Items(), Texts({U8(u8"湖畔#＃1"), "Loc.2#", "Loc.3#n3"}));
  EXPECT_EQ(opened.Focus(), 106);
  EXPECT_EQ(opened.Control(131).Text() + opened.Control(129).Text() + opened.Control(130).Text() +
                opened.Control(132).Text() + "|" + opened.Control(1000).Text(),
            U8(u8"3件湖item35.1|139.2"));
  EXPECT_EQ(Shown(DumpAt(r, 1)), U8(u8"b.txt|a.jpg|湖畔|＃1|1/3"));
  EXPECT_EQ(Shown(DumpAt(r, 2)), "x.txt||Loc.2||2/3");
  EXPECT_EQ(Shown(DumpAt(r, 3)), "|Y.GIF|Loc.3|n3|3/3");
}

TEST_F(AlbumUpdateDialog, TheThreeEndingsAndCancel) {
  EXPECT_EQ(Run(U8(u8"type 129 湖畔\ntype 132 36\ntype 1000 140\ntype 130 \"\"\nenter\n")).out,
            U8(u8"1|湖畔 36 140  \n"));
  // Finishing the update also takes the boxes as the user left them.
  EXPECT_EQ(Run("type 130 new\nclick 1200\n").out, U8(u8"2|湖 35.1 139.2 new \n"));
  RunResult r = Run("type 130 new\nclick 121\n");
  EXPECT_EQ(r.out, "3|\n");
  EXPECT_EQ(Events(r.log, "end").at(0).Line(), R"({"event":"end","dialog":147,"code":-1})");
  EXPECT_EQ(Run("type 130 new\nescape\n").out, "\n");
  EXPECT_EQ(m_data.Read("Album/09B03E05.alb"), kAlbum);  // never rewritten
}

TEST_F(AlbumUpdateDialog, TheEditorOpensTheAlbumWithoutReadingItAgain) {
  RunResult r = Run("click 1076\ndump\nenter\n", "D:\\Album\\09B03E05.alb", "true");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(Events(r.log, "process").at(0)["command"].Str(), "true D:\\Album\\09B03E05.alb");
  EXPECT_EQ(r.out, U8(u8"1|湖 35.1 139.2 item \n"));
  // No album file: nothing to edit and nothing listed.
  r = Run("click 1076\ndump\nenter\n", "", "true");
  EXPECT_TRUE(Events(r.log, "process").empty());
  EXPECT_EQ(DumpAt(r).Control(128).Items(), Texts{});
  EXPECT_EQ(DumpAt(r).Control(131).Text(), U8(u8"0件"));
  EXPECT_EQ(DumpAt(Run("dump\nenter\n", "D:\\Album\\missing.alb")).Control(131).Text(), U8(u8"0件"));
}

TEST_F(AlbumUpdateDialog, OnlyTheFirst99EntriesAreShown) {
  std::string many;
  for (int i = 1; i <= 120; ++i) many += "m" + std::to_string(i) + " 1 2 n a" + std::to_string(i) + ".txt\r\n";
  m_data.Write("Album/big.alb", many);
  const Dump last = DumpAt(Run("select 128 98\ndump\nenter\n", "D:\\Album\\big.alb"));
  EXPECT_EQ(last.Control(131).Text() + last.Control(105).Text(), "99/99a99.txt");
}

}  // namespace
}  // namespace topodlg::test
