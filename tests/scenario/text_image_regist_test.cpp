// Text and image link registration (OnDlgFadd) with its nested album dialog.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

const char* const kNow = "2009-11-03 14:05:30";

class TextImageRegistDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    m_data.Write("web/Index.HTML", "x");
    m_data.Write("img/A.JPG", "x");
    m_data.Write("Album/.keep", "");
  }
  RunResult Run(const std::string& script, int finish = 0) {
    return CallEntry("OnDlgFadd",
                     {std::to_string(finish), "35.1", "139.2", "x", "D:\\", "--drive", "D=" + m_data.str(), "--now",
                      kNow},
                     script);
  }
  TempDir m_data;
};

TEST_F(TextImageRegistDialog, BothEndingsAndTheMembersAgainstTheBoxes) {
  EXPECT_EQ(Run(U8(u8"type 106 高尾山\ntype 104 山頂\ntype 105 d:\\a.txt\nenter\n")).out,
            U8(u8"0 高尾山|山頂|35.1|139.2|d:\\a.txt|\n"));
  EXPECT_EQ(Run("escape\n").out, "\n");
  // Empty place name and item finish as the placeholder.
  EXPECT_EQ(Run("click 1200\n").out, U8(u8"1 〇〇|〇〇|35.1|139.2||\n"));
  // A file box emptied after the user left it keeps the file for "登録終了",
  // but "登録を継続" reads the box as it stands.
  const std::string emptied = "type 105 d:\\a.txt\nfocus 129\ntype 105 \"\"\n";
  EXPECT_EQ(Run(emptied + "type 1170 36\nclick 1200\n", 3).out, U8(u8"1 〇〇|〇〇|36|139.2|d:\\a.txt|\n"));
  EXPECT_EQ(Run(emptied + "enter\n", 3).out, "3 ||35.1|139.2||\n");
}

TEST_F(TextImageRegistDialog, PickersAndTheWebPageRule) {
  RunResult r = Run("click 1201\npick \"D:\\web\\Index.HTML\"\ndump\nclick 1200\n");
  EXPECT_EQ(r.out, U8(u8"1 〇〇|WebPage|35.1|139.2|d:\\web\\index.html|\n"));
  EXPECT_EQ(DumpAt(r).Control(104).Text(), "WebPage");
  EXPECT_EQ(Events(r.log, "beep").size(), 1u);
  const Event text = Events(r.log, "filedialog").at(0);
  EXPECT_EQ(text["filter"].Str(),
            U8(u8"地点 files (*.txt)|*.txt|WebPage (*.htm)|*.htm|WebPage (*.html)|*.html|All files (*.*)|*.*||"));
  EXPECT_EQ(text["defext"].Str() + " " + text["initial"].Str(), "txt *.txt");
  EXPECT_TRUE(text["mustexist"].Bool());
  // An item the user gave stays.
  EXPECT_EQ(Run("type 104 Top\nclick 1201\npick \"D:\\web\\Index.HTML\"\nclick 1200\n").out,
            "1 " + U8(u8"〇〇") + "|Top|35.1|139.2|d:\\web\\index.html|\n");
  // Cancelled: the text file is emptied, the image file kept.
  r = Run("type 105 d:\\t.txt\ntype 129 d:\\i.bmp\nclick 1201\npick cancel\nclick 115\npick cancel\nclick 1200\n");
  EXPECT_EQ(r.out, U8(u8"1 〇〇|〇〇|35.1|139.2||d:\\i.bmp\n"));
  const Event image = Events(r.log, "filedialog").at(1);
  EXPECT_EQ(image["filter"].Str(), U8(u8"画像 files (*.bmp)|*.bmp|画像 files (*.jpg)|*.jpg|画像 files (*.gif)|*.gif|"
                                      u8"画像 files (*.pcd)|*.pcd|画像 files (*.pic)|*.pic|All files (*.*)|*.*||"));
  EXPECT_EQ(image["defext"].Str() + " " + image["initial"].Str(), "bmp *.bmp");
  EXPECT_EQ(Run("click 115\npick \"D:\\img\\A.JPG\"\nenter\n").out, "0 ||35.1|139.2||d:\\img\\a.jpg\n");
}

TEST_F(TextImageRegistDialog, AnAlbumGrowsEntryByEntryAndBecomesTheLink) {
  RunResult r = Run(U8(u8"click 114\ndump\ntype 1170 湖\ntype 108 d:\\b.txt\nclick 115\npick \"D:\\img\\A.JPG\"\n"
                       u8"click 117\ndump\ntype 108 d:\\c.txt\ntype 107 \"\"\nclick 1\ndump\nclick 1200\n"));
  const std::string album = "D:\\Album\\09B03E05.alb";
  EXPECT_EQ(r.out, U8(u8"1 湖|ｱﾙﾊﾞﾑ|35.1|139.2|") + album + "|" + album + "\n");
  EXPECT_EQ(m_data.Read("Album/09B03E05.alb"),
            Sjis(U8(u8"Loc.1 35.1 139.2 ＃1 d:\\img\\a.jpg d:\\b.txt\r\nLoc.2 35.1 139.2  d:\\c.txt\r\n")));
  // The album dialog opens on the point's position and the first defaults...
  const Event albumOpen = Events(r.log, "open").at(1);
  EXPECT_EQ(albumOpen["dialog"].Int(), 148);
  EXPECT_EQ(albumOpen["title"].Str(), U8(u8"　アルバムの新規登録"));
  const Dump first = DumpAt(r, 0);
  EXPECT_EQ(first.Control(105).Text() + first.Control(129).Text() + first.Control(1045).Text() +
                first.Control(106).Text() + first.Control(107).Text(),
            U8(u8"35.1139.21Loc.1＃1"));
  // ...and after an entry counts on with emptied boxes.
  const Dump next = DumpAt(r, 1);
  EXPECT_EQ(next.Control(1045).Text() + next.Control(106).Text() + next.Control(107).Text() + "|" +
                next.Control(108).Text() + next.Control(102).Text() + "|" + next.Control(1170).Text(),
            U8(u8"2Loc.2＃2||湖"));
  // Back in the registration the boxes show the album; the image box says so.
  const Dump back = DumpAt(r, 2);
  EXPECT_EQ(back.Control(106).Text() + back.Control(104).Text() + back.Control(129).Text() + back.Control(1170).Text(),
            U8(u8"湖ｱﾙﾊﾞﾑｱﾙﾊﾞﾑ35.1"));
  // An album made in the same minute takes the next one's name, even with no
  // entry. "登録を継続" reads the image box as it stands.
  EXPECT_EQ(Run(U8(u8"click 114\nclick 1\nenter\n")).out,
            U8(u8"0 ｱﾙﾊﾞﾑ09B03E06|ｱﾙﾊﾞﾑ|35.1|139.2|D:\\Album\\09B03E06.alb|ｱﾙﾊﾞﾑ\n"));
}

TEST_F(TextImageRegistDialog, NothingWrittenIsLostByCancelOrBySameMinuteAlbums) {
  m_data.Write("Album/09B03E05.alb", "older album\r\n");
  RunResult r = Run(U8(u8"type 105 d:\\keep.txt\nclick 114\ntype 1170 x\ntype 108 d:\\t.txt\nclick 117\n"
                       u8"type 1170 \"\"\nclick 1\nclick 114\nclick 1047\nclick 1200\n"));
  // The first album took the next free minute; the older one is untouched.
  EXPECT_EQ(m_data.Read("Album/09B03E05.alb"), "older album\r\n");
  EXPECT_EQ(m_data.Read("Album/09B03E06.alb"), Sjis(U8(u8"Loc.1 35.1 139.2 ＃1 d:\\t.txt\r\n")));
  // The second album was cancelled: its own button ends with -1 and the link
  // loses its text file (the box had kept it).
  EXPECT_EQ(Events(r.log, "end").at(1).Line(), R"({"event":"end","dialog":148,"code":-1})");
  EXPECT_EQ(r.out, U8(u8"1 ｱﾙﾊﾞﾑ09B03E06|ｱﾙﾊﾞﾑ|35.1|139.2||D:\\Album\\09B03E06.alb\n"));

  // Entries that lack a place name, a file or memo 1 are not written.
  r = Run("click 114\ntype 108 d:\\t.txt\nclick 117\ntype 1170 x\ntype 106 \"\"\nclick 117\ndump\nclick 1047\n"
          "escape\n");
  EXPECT_EQ(DumpAt(r).Control(1045).Text(), "1");
  EXPECT_FALSE(std::filesystem::exists(m_data.path() / "Album/09B03E07.alb"));
}

TEST_F(TextImageRegistDialog, AMissingAlbumFolderIsReportedAndTheEntryKept) {
  std::filesystem::remove_all(m_data.path() / "Album");
  RunResult r = Run("click 114\ntype 1170 x\ntype 108 d:\\t.txt\nclick 1\nanswer ok\ndump\nclick 1047\nescape\n");
  ASSERT_EQ(Events(r.log, "messagebox").size(), 1u);
  EXPECT_NE(Events(r.log, "messagebox").at(0)["text"].Str().find("D:\\Album\\09B03E05.alb"), std::string::npos);
  EXPECT_EQ(DumpAt(r).Control(108).Text() + DumpAt(r).Control(1045).Text(), "d:\\t.txt1");
  EXPECT_FALSE(std::filesystem::exists(m_data.path() / "Album"));
}

}  // namespace
}  // namespace topodlg::test
