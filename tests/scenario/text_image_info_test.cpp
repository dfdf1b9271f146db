// The current text and image file or source (OnDlgLink): file mode over
// DATAFILE.dat with the nested file-list dialog, source mode over the sibling
// product's BINDER.DAT or trek55.ini.
#include <gtest/gtest.h>

#include "tests/support/dump_query.h"
#include "tests/support/topodlg_run.h"

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
    std::vector<std::string> args = {"call",  "OnDlgLink", std::to_string(display), std::to_string(source),
                                     std::to_string(hide), "0", current, "scratch", program, editor, keyword, "D:\\",
                                     "--drive", "D=" + m_data.str()};
    if (windows) args.insert(args.end(), {"--drive", "C=" + m_data.str() + "/win"});
    RunResult r = RunCli(args, script);
    EXPECT_EQ(r.exit, 0) << r.err;
    auto dumps = Events(r.log, "dump");
    m_dump = dumps.empty() ? "" : dumps[0];
    return r;
  }
  std::string Field(int id, const char* field) const { return FieldOf(m_dump, id, field); }
  TempDir m_data;
  std::string m_dump;
};

TEST_F(TextImageInfoDialog, FileModeShowsTheCurrentFileAndItsPosition) {
  RunResult r = Run(1, 0, 0, "d:\\b.jpg", "dump\nenter\n", "", U8(u8"山"));
  EXPECT_EQ(r.out, U8(u8"1 0 d:\\b.jpg|山\n"));
  EXPECT_EQ(Field(1231, "items"), R"([";links","d:\\a.txt","d:\\b.jpg"])");
  EXPECT_EQ(TextOf(m_dump, 1231), "d:\\\\b.jpg");
  EXPECT_EQ(TextOf(m_dump, 1300) + TextOf(m_dump, 1229) + TextOf(m_dump, 1299) + TextOf(m_dump, 1232),
            U8(u8"『ルクス地図』   ( 3/3 )山編集"));
  EXPECT_EQ(Field(1226, "checked") + Field(1298, "checked"), "11");

  // Hidden: the count of files; a choice shows the position and the points.
  r = Run(0, 0, 1, "d:\\b.jpg", "dump\nselect 1231 1\nclick 1298\nfocus 1299\ndump\nenter\n");
  EXPECT_EQ(TextOf(m_dump, 1229) + Field(1226, "checked") + Field(1298, "checked"), U8(u8"（現在3ﾌｧｲﾙ）00"));
  std::string after = Events(r.log, "dump")[1];
  EXPECT_EQ(TextOf(after, 1229) + FieldOf(after, 1226, "checked") + FieldOf(after, 1298, "checked"),
            "   ( 2/3 )11");
  EXPECT_EQ(r.out, "1 0 d:\\a.txt|*\n");

  // A current file not in the list keeps the template's count text.
  EXPECT_EQ(Run(1, 0, 0, "d:\\gone.txt", "dump\nclick 1226\nenter\n").out, "0 0 d:\\gone.txt|*\n");
  EXPECT_EQ(TextOf(m_dump, 1229), U8(u8"(現在  ﾌｧｲﾙ)"));
  EXPECT_EQ(Run(0, 0, 0, "d:\\a.txt", "click 1226\nescape\n").out, "\n");
}

TEST_F(TextImageInfoDialog, TheFileListDialogChoosesOrResets) {
  // The list's entry after the first empty line is not among the choices here:
  // chosen in the file-list dialog it becomes the current file without a position.
  RunResult r = Run(1, 0, 0, "d:\\a.txt", "click 1232\nselect 1335 2\nclick 1\ndump\nenter\n");
  EXPECT_EQ(Events(r.log, "open")[1],
            U8(u8R"({"event":"open","dialog":178,"title":" 現在のテキスト・画像データファイル"})"));
  EXPECT_EQ(Field(1231, "items"), R"([";links","d:\\a.txt","d:\\b.jpg"])");
  EXPECT_EQ(TextOf(m_dump, 1231) + "|" + TextOf(m_dump, 1229), U8(u8"d:\\\\after.txt|(現在  ﾌｧｲﾙ)"));
  EXPECT_EQ(r.out, "1 0 d:\\after.txt|*\n");

  // A registration resets the current file and the display flag; the list is
  // read again.
  r = Run(1, 0, 0, "d:\\a.txt", "type 1299 kw\nclick 1232\nclick 1184\npick \"D:\\new.txt\"\nclick 1\ndump\nenter\n");
  EXPECT_EQ(r.out, "0 0 |*\n");
  // Run again, the initialisation also puts the keyword passed back in its box.
  EXPECT_EQ(TextOf(m_dump, 1229) + TextOf(m_dump, 1299), U8(u8"（現在3ﾌｧｲﾙ）"));
  EXPECT_EQ(m_data.Read("DATAFILE.dat"), ";links\r\nd:\\a.txt\r\nd:\\b.jpg\r\n\r\nd:\\after.txt\r\nd:\\new.txt\r\n");
  // Cancelled, nothing changes.
  EXPECT_EQ(Run(1, 0, 0, "d:\\a.txt", "click 1232\nescape\nenter\n").out, "1 0 d:\\a.txt|*\n");
}

TEST_F(TextImageInfoDialog, SourceModeListsTheBinderAndNamesTheSourceFile) {
  const std::string program = "D:\\TNV\\terranov.exe";
  RunResult r = Run(1, 1, 0, "D:\\TNV\\SOURCE\\SOURCE2.DAT", "dump\nclick 1232\nselect 1231 1\ndump\nenter\n",
                    program);
  EXPECT_EQ(Field(1231, "items"), U8(u8R"x(["HD(共通領域)","北アルプス","南アルプス"])x"));
  EXPECT_EQ(Field(1231, "selected") + TextOf(m_dump, 1229) + "|" + TextOf(m_dump, 1232) + "|" + TextOf(m_dump, 1300),
            U8(u8"2   ( 3/3 )||『テラノバ探訪記』"));
  EXPECT_EQ(Events(r.log, "open").size(), 1u);  // "編集" does nothing here
  EXPECT_EQ(TextOf(Events(r.log, "dump")[1], 1229), "   ( 2/3 )");
  EXPECT_EQ(r.out, "1 0 D:\\TNV\\SOURCE\\SOURCE1.DAT|*\n");
  EXPECT_EQ(Run(0, 1, 0, "", "select 1231 0\nenter\n", program).out, "1 0 D:\\TNV\\SOURCE\\HISTORY.DAT|*\n");

  Run(1, 1, 0, "d:\\tnv\\source\\history.dat", "dump\nenter\n", program);
  EXPECT_EQ(Field(1231, "selected") + TextOf(m_dump, 1229), "0   ( 1/3 )");
  // A source past the list selects nothing but still shows its position.
  Run(1, 1, 0, "D:\\TNV\\SOURCE\\SOURCE12.DAT", "dump\nenter\n", program);
  EXPECT_EQ(Field(1231, "selected") + TextOf(m_dump, 1229), "-1   ( 13/3 )");
}

TEST_F(TextImageInfoDialog, TheOlderEditionsListIsInTheWindowsDirectory) {
  const std::string program = "D:\\T55\\trek55.exe";
  RunResult r = Run(0, 1, 0, "", "dump\nselect 1231 2\nenter\n", program);
  EXPECT_EQ(Field(1231, "items"), U8(u8R"x(["HD(共通領域)","one","two"])x"));
  EXPECT_EQ(TextOf(m_dump, 1229), U8(u8"（現在3ﾌｧｲﾙ）"));
  EXPECT_EQ(r.out, "1 0 D:\\T55\\SOURCE\\SOURCE2.DAT|*\n");
  // Without a C: drive the Windows directory does not exist.
  Run(0, 1, 0, "", "dump\nenter\n", program, "", "", false);
  EXPECT_EQ(Field(1231, "items"), U8(u8R"x(["HD(共通領域)"])x"));
}

}  // namespace
}  // namespace topodlg::test
