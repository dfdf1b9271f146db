// The current text and image file or source (OnDlgLink): file mode over
// DATAFILE.dat with the nested file-list dialog, source mode over the sibling
// product's BINDER.DAT or trek55.ini.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class TextImageInfoDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    m_data.Write("DATAFILE.dat", ";links\r\nd:\\a.txt\r\nd:\\b.jpg\r\n\r\nd:\\after.txt\r\n");
    m_data.Write("new.txt", "x");
    m_data.Write("TNV/SOURCE/BINDER.DAT", Sjis(U8(u8"北アルプス\r\n南アルプス\r\n")));
    m_data.Write("win/Windows/trek55.ini", "[Main]\r\nx=1\r\n[SourceFile]\r\nSource1=one\r\nSource2=two\r\n");
  }
  // ints: display flag, source mode, hide-names flag.
  RunResult Run(int display, int source, int hide, const std::string& current, const std::string& script,
                const std::string& program = "", const std::string& keyword = "", const std::string& editor = "",
                bool windows = true) {
    std::vector<std::string> args = {std::to_string(display), std::to_string(source), std::to_string(hide), "0",
                                     current, "scratch", program, editor, keyword, "D:\\", "--drive",
                                     "D=" + m_data.str()};
    if (windows) args.insert(args.end(), {"--drive", "C=" + m_data.str() + "/win"});
    return CallEntry("OnDlgLink", args, script);
  }
  TempDir m_data;
};

TEST_F(TextImageInfoDialog, FileModeShowsTheCurrentFileAndItsPosition) {
  RunResult r = Run(1, 0, 0, "d:\\b.jpg", "dump\nenter\n", "", U8(u8"山"));
  EXPECT_EQ(r.out, U8(u8"1 0 d:\\b.jpg|山\n"));
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1231).Items(), Texts({";links", "d:\\a.txt", "d:\\b.jpg"}));
  EXPECT_EQ(d.Control(1231).Text(), "d:\\b.jpg");
  EXPECT_EQ(d.Control(1300).Text() + d.Control(1229).Text() + d.Control(1299).Text() + d.Control(1232).Text(),
            U8(u8"『ルクス地図』   ( 3/3 )山編集"));
  EXPECT_EQ(d.Control(1226).Checked(), 1);
  EXPECT_EQ(d.Control(1298).Checked(), 1);

  // Hidden: the count of files; a choice shows the position and the points.
  r = Run(0, 0, 1, "d:\\b.jpg", "dump\nselect 1231 1\nclick 1298\nfocus 1299\ndump\nenter\n");
  d = DumpAt(r, 0);
  EXPECT_EQ(d.Control(1229).Text(), U8(u8"（現在3ﾌｧｲﾙ）"));
  EXPECT_EQ(d.Control(1226).Checked(), 0);
  EXPECT_EQ(d.Control(1298).Checked(), 0);
  const Dump after = DumpAt(r, 1);
  EXPECT_EQ(after.Control(1229).Text(), "   ( 2/3 )");
  EXPECT_EQ(after.Control(1226).Checked(), 1);
  EXPECT_EQ(after.Control(1298).Checked(), 1);
  EXPECT_EQ(r.out, "1 0 d:\\a.txt|*\n");

  // A current file not in the list keeps the template's count text.
  r = Run(1, 0, 0, "d:\\gone.txt", "dump\nclick 1226\nenter\n");
  EXPECT_EQ(r.out, "0 0 d:\\gone.txt|*\n");
  EXPECT_EQ(DumpAt(r).Control(1229).Text(), U8(u8"(現在  ﾌｧｲﾙ)"));
  EXPECT_EQ(Run(0, 0, 0, "d:\\a.txt", "click 1226\nescape\n").out, "\n");
}

TEST_F(TextImageInfoDialog, TheFileListDialogChoosesOrResets) {
  // The list's entry after the first empty line is not among the choices here:
  // chosen in the file-list dialog it becomes the current file without a position.
  RunResult r = Run(1, 0, 0, "d:\\a.txt", "click 1232\nselect 1335 2\nclick 1\ndump\nenter\n");
  EXPECT_EQ(Events(r.log, "open").at(1).Line(),
            U8(u8R"({"event":"open","dialog":178,"title":" 現在のテキスト・画像データファイル"})"));
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1231).Items(), Texts({";links", "d:\\a.txt", "d:\\b.jpg"}));
  EXPECT_EQ(d.Control(1231).Text() + "|" + d.Control(1229).Text(), U8(u8"d:\\after.txt|(現在  ﾌｧｲﾙ)"));
  EXPECT_EQ(r.out, "1 0 d:\\after.txt|*\n");

  // A registration resets the current file and the display flag; the list is
  // read again.
  r = Run(1, 0, 0, "d:\\a.txt", "type 1299 kw\nclick 1232\nclick 1184\npick \"D:\\new.txt\"\nclick 1\ndump\nenter\n");
  EXPECT_EQ(r.out, "0 0 |*\n");
  // Run again, the initialisation also puts the keyword passed back in its box.
  d = DumpAt(r);
  EXPECT_EQ(d.Control(1229).Text() + d.Control(1299).Text(), U8(u8"（現在3ﾌｧｲﾙ）"));
  EXPECT_EQ(m_data.Read("DATAFILE.dat"), ";links\r\nd:\\a.txt\r\nd:\\b.jpg\r\n\r\nd:\\after.txt\r\nd:\\new.txt\r\n");
  // Cancelled, nothing changes.
  EXPECT_EQ(Run(1, 0, 0, "d:\\a.txt", "click 1232\nescape\nenter\n").out, "1 0 d:\\a.txt|*\n");
}

TEST_F(TextImageInfoDialog, SourceModeListsTheBinderAndNamesTheSourceFile) {
  const std::string program = "D:\\TNV\\terranov.exe";
  RunResult r = Run(1, 1, 0, "D:\\TNV\\SOURCE\\SOURCE2.DAT", "dump\nclick 1232\nselect 1231 1\ndump\nenter\n",
                    program);
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1231).Items(), Texts({U8(u8"HD(共通領域)"), U8(u8"北アルプス"), U8(u8"南アルプス")}));
  EXPECT_EQ(d.Control(1231).Selected(), 2);
  EXPECT_EQ(d.Control(1229).Text() + "|" + d.Control(1232).Text() + "|" + d.Control(1300).Text(),
            U8(u8"   ( 3/3 )||『テラノバ探訪記』"));
  EXPECT_EQ(Events(r.log, "open").size(), 1u);  // "編集" does nothing here
  EXPECT_EQ(DumpAt(r, 1).Control(1229).Text(), "   ( 2/3 )");
  EXPECT_EQ(r.out, "1 0 D:\\TNV\\SOURCE\\SOURCE1.DAT|*\n");
  EXPECT_EQ(Run(0, 1, 0, "", "select 1231 0\nenter\n", program).out, "1 0 D:\\TNV\\SOURCE\\HISTORY.DAT|*\n");

  d = DumpAt(Run(1, 1, 0, "d:\\tnv\\source\\history.dat", "dump\nenter\n", program));
  EXPECT_EQ(d.Control(1231).Selected(), 0);
  EXPECT_EQ(d.Control(1229).Text(), "   ( 1/3 )");
  // A source past the list selects nothing but still shows its position.
  d = DumpAt(Run(1, 1, 0, "D:\\TNV\\SOURCE\\SOURCE12.DAT", "dump\nenter\n", program));
  EXPECT_EQ(d.Control(1231).Selected(), -1);
  EXPECT_EQ(d.Control(1229).Text(), "   ( 13/3 )");
}

TEST_F(TextImageInfoDialog, TheOlderEditionsListIsInTheWindowsDirectory) {
  const std::string program = "D:\\T55\\trek55.exe";
  RunResult r = Run(0, 1, 0, "", "dump\nselect 1231 2\nenter\n", program);
  EXPECT_EQ(DumpAt(r).Control(1231).Items(), Texts({U8(u8"HD(共通領域)"), "one", "two"}));
  EXPECT_EQ(DumpAt(r).Control(1229).Text(), U8(u8"（現在3ﾌｧｲﾙ）"));
  EXPECT_EQ(r.out, "1 0 D:\\T55\\SOURCE\\SOURCE2.DAT|*\n");
  // Without a C: drive the Windows directory does not exist.
  r = Run(0, 1, 0, "", "dump\nenter\n", program, "", "", false);
  EXPECT_EQ(DumpAt(r).Control(1231).Items(), Texts{U8(u8"HD(共通領域)")});
}

}  // namespace
}  // namespace topodlg::test
