// The file-list dialog through OnDlgOvlyF: list kinds, rows, registration of a
// new file, the editor, and a list file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class FileListDialog : public ::testing::Test {
 protected:
  RunResult Run(const std::string& kind, const std::string& script, const std::string& current = "",
                const std::string& editor = "") {
    RunResult r =
        RunCli({"call", "OnDlgOvlyF", current, kind, editor, "D:\\", "--drive", "D=" + m_data.str()}, script);
    EXPECT_EQ(r.exit, 0) << r.err;
    m_log = r.log;
    return r;
  }
  // The control `id` of the last run's first dump.
  DumpedControl At(int id, Here at = Here::current()) const { return DumpAt(m_log, 0, at).Control(id, at); }
  // The last run's first "open" event, as written.
  std::string Opened() const { return Events(m_log, "open").at(0).Line(); }
  TempDir m_data;
  std::string m_log;
};

TEST_F(FileListDialog, EachKindHasItsFileAndTitle) {
  m_data.Write("EXPLFILE.dat", ";comment\r\n\r\nd:\\pt\\a.txt\r\nd:\\pt\\b.txt");
  m_data.Write("MAPELMNT/PFCTRFL.DAT", Sjis(U8(u8"d:\\pref\\東京都.dat\r\n")));
  EXPECT_EQ(Run("POINTNAME", "dump\nescape\n").out, "\n");
  EXPECT_EQ(Opened(), U8(u8R"({"event":"open","dialog":178,"title":" 現在の地点名ファイル"})"));
  EXPECT_EQ(At(1335).Items(), Texts({"d:\\pt\\a.txt", "d:\\pt\\b.txt"}));
  EXPECT_EQ(At(1186).Text(), U8(u8"登録数=2"));

  Run("PREFECTURE", "dump\nenter\n");
  EXPECT_EQ(Events(m_log, "open").at(0)["title"].Str(), U8(u8" 現在の都道府県データファイル"));
  EXPECT_EQ(At(1335).Items(), Texts{U8(u8"d:\\pref\\東京都.dat")});
  // An unknown kind keeps the template's title and lists nothing.
  EXPECT_EQ(Run("OTHER", "dump\nenter\n", "d:\\x.txt").out, "-1 d:\\x.txt\n");
  EXPECT_EQ(Events(m_log, "open").at(0)["title"].Str(), U8(u8"  現在の地点情報ファイル"));
  EXPECT_EQ(At(1186).Text(), U8(u8"登録数=0"));

  m_data.Write("DATAFILE.dat", "d:\\a.jpg\r\nd:\\b.txt\r\n");
  EXPECT_EQ(Run("LINKNAME", "select 1335 1\nclick 1\n", "d:\\old.txt").out, "1 d:\\b.txt\n");
}

TEST_F(FileListDialog, RegistrationAppendsTheLowerCasedPathOnce) {
  m_data.Write("PNTFILE.dat", "d:\\names\\a.pnt\r\n");
  m_data.Write(U8(u8"names/表ア/New.PNT"), "x");
  const std::string registered = "d:\\names\\a.pnt\r\n" + Sjis(U8(u8"d:\\names\\表ア\\new.pnt")) + "\r\n";
  RunResult r = Run("WHOLEAREA", U8(u8"click 1184\npick \"D:\\names\\表ア\\New.PNT\"\ndump\nenter\n"));
  EXPECT_EQ(r.out, U8(u8"1 d:\\names\\表ア\\new.pnt\n"));
  EXPECT_EQ(m_data.Read("PNTFILE.dat"), registered);
  EXPECT_EQ(At(1186).Text(), U8(u8"登録数=2"));
  EXPECT_EQ(Events(r.log, "beep").size(), 1u);
  const Event picker = Events(r.log, "filedialog").at(0);
  EXPECT_EQ(picker["mode"].Str(), "open");
  EXPECT_EQ(picker["filter"].Str(), "All files (*.*)|*.*||");
  EXPECT_EQ(picker["defext"].Str() + " " + picker["initial"].Str(), "*.* *.*");
  EXPECT_TRUE(picker["mustexist"].Bool());

  // The same file picked with other letters is already registered; a
  // cancelled picker changes nothing.
  EXPECT_EQ(Run("WHOLEAREA", U8(u8"click 1184\npick \"D:\\NAMES\\表ア\\new.pnt\"\nenter\n")).out,
            U8(u8"-1 d:\\names\\表ア\\new.pnt\n"));
  EXPECT_EQ(Run("WHOLEAREA", "click 1184\npick cancel\nenter\n", "d:\\keep.pnt").out, "-1 d:\\keep.pnt\n");
  EXPECT_EQ(m_data.Read("PNTFILE.dat"), registered);

  // Track lists have their own filter; without a group the table is TRACKTB.DAT.
  m_data.Write("gps/a.trk", "T  N1 E2\r\n");
  r = Run("GPS", "click 1184\npick \"D:\\gps\\a.trk\"\nenter\n");
  EXPECT_EQ(Events(r.log, "filedialog").at(0)["filter"].Str(),
            "All files (*.*)|*.*|TRK files (*.trk)|*.trk|POT files (*.pot)|*.pot||");
  EXPECT_EQ(m_data.Read("TRACKTB.DAT"), "d:\\gps\\a.trk\r\n");
}

TEST_F(FileListDialog, AListThatCannotBeWrittenIsReportedAndKept) {
  // The list file's place is taken by a folder: nothing can be written there.
  std::filesystem::create_directories(m_data.path() / "EXPLFILE.dat");
  m_data.Write("pt/a.txt", "x");
  RunResult r = Run("POINTNAME", "click 1184\npick \"D:\\pt\\a.txt\"\nanswer ok\ndump\nenter\n", "d:\\old.txt");
  auto boxes = Events(r.log, "messagebox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["text"].Str(), U8(u8"D:\\EXPLFILE.dat へのアクセス中に予期しないエラーが発生しました。"));
  EXPECT_EQ(At(1186).Text(), U8(u8"登録数=0"));
  // The picked file is still the choice, but no registration is claimed.
  EXPECT_EQ(r.out, "-1 d:\\pt\\a.txt\n");
  EXPECT_TRUE(std::filesystem::is_directory(m_data.path() / "EXPLFILE.dat"));
}

TEST_F(FileListDialog, TheEditorEndsTheDialogWithoutAResult) {
  RunResult r = Run("POINTNAME", "click 1185\n", "", "true");
  EXPECT_EQ(r.out, "\n");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(Events(r.log, "process")[0]["command"].Str(), "true D:\\EXPLFILE.dat");
  EXPECT_EQ(Events(r.log, "end").at(0).Line(), R"({"event":"end","dialog":178,"code":-1})");
  // Without an editor the button does nothing.
  r = Run("POINTNAME", "click 1185\nenter\n", "d:\\a.txt");
  EXPECT_TRUE(Events(r.log, "process").empty());
  EXPECT_EQ(r.out, "-1 d:\\a.txt\n");
}

}  // namespace
}  // namespace topodlg::test
