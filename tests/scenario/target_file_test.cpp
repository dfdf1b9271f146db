// Choosing the target file of a place-name update or registration (OnDlgUdpf).
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

constexpr const char* kRegional = "d:\\local20\\3945.lsn";

struct Flags {
  int mode = 1;  // update
  int regional = 3;
  int textImage = 1;
  int sibling = 0;
  int landmarkAndTable = 11;
  int kind = 2;
  int pointInfo = 1;
};

class TargetFileDialog : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directory(m_data.path() / "LOCAL20"); }

  RunResult Run(const Flags& f, const std::string& script, const std::string& whole = "D:\\PNT\\Zenkoku.PNT",
                const std::string& pointInfo = "d:\\pt\\a.txt", const std::string& regional = kRegional,
                const std::string& textImage = "d:\\media\\b.dat") {
    m_last = CallEntry("OnDlgUdpf",
                       {std::to_string(f.mode), std::to_string(f.regional), std::to_string(f.textImage),
                        std::to_string(f.sibling), std::to_string(f.landmarkAndTable), std::to_string(f.kind),
                        std::to_string(f.pointInfo), "C:\\MAP.V2\\533945.MEM", "D:\\", whole, pointInfo, regional,
                        textImage, "d:\\lm\\c.lmk", "--drive", "D=" + m_data.str()},
                       script);
    return m_last;
  }
  TempDir m_data;
  RunResult m_last;
};

// The tick of the seven target buttons in kind order, e.g. "0100000".
std::string Ticks(const Dump& dump) {
  std::string ticks;
  for (int id : {1202, 1203, 1209, 1234, 1341, 1012, 1080}) ticks += std::to_string(dump.Control(id).Checked());
  return ticks;
}

TEST_F(TargetFileDialog, UpdateModeShowsTheAvailableFilesWithNoButtonTicked) {
  Flags f;
  RunResult r = Run(f, "dump\nclick 1\n");
  EXPECT_EQ(r.out, "2 1 1 1 d:\\pt\\a.txt|d:\\local20\\3945.lsn|d:\\media\\b.dat\n");
  Dump d = DumpAt(r);
  EXPECT_EQ(Ticks(d), "0000000");
  EXPECT_EQ(d.Title(), U8(u8"         更新する地点名ﾌｧｲﾙの選択"));
  EXPECT_EQ(d.Control(1334).Text() + d.Control(1333).Text() + d.Control(1204).Text(), "");
  EXPECT_EQ(d.Control(1170).Text() + "|" + d.Control(104).Text() + "|" + d.Control(1235).Text() + "|" +
                d.Control(1342).Text() + "|" + d.Control(1081).Text(),
            R"(d:\local20\3945.lsn|d:\pt\a.txt|d:\media\b.dat|d:\lm\c.lmk|D:\MAPELMNT\STTSTCS.DAT)");
  EXPECT_EQ(d.Control(1206).Text(), U8(u8"更新中止"));

  // Without the flags the landmark, table and regional boxes stay empty.
  f.landmarkAndTable = 0;
  f.regional = 0;
  d = DumpAt(Run(f, "dump\nclick 1\n"));
  EXPECT_EQ(d.Control(1342).Text() + d.Control(1081).Text() + d.Control(1170).Text(), "");
  // Empty files travel as "*".
  EXPECT_EQ(Run(f, "click 1\n", "", "", "", "").out, "2 1 1 1 *|*|*\n");
  EXPECT_EQ(Run(f, "escape\n").out, "\n");
}

TEST_F(TargetFileDialog, TheWholeAreaButtonTogglesAndOkDropsAnUntoggledWholeArea) {
  Flags f;
  f.kind = 1;
  RunResult r = Run(f, "dump\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1204).Text(), R"(d:\pnt\zenkoku.pnt)");  // lower case at the start
  EXPECT_EQ(r.out, "0 1 1 1 d:\\pt\\a.txt|d:\\local20\\3945.lsn|d:\\media\\b.dat\n");

  f.kind = 2;
  r = Run(f, "click 1202\ndump\nclick 1\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(Ticks(d), "1000000");
  EXPECT_EQ(d.Control(104).Text() + d.Control(1170).Text() + "|" + d.Control(1204).Text(), R"(|D:\PNT\Zenkoku.PNT)");
  EXPECT_EQ(r.out.substr(0, 2), "1 ");
  EXPECT_EQ(Run(f, "click 1202\nclick 1202\ndump\nclick 1\n").out.substr(0, 2), "0 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0000000");
  // Another target turns the whole-area toggle off.
  EXPECT_EQ(Run(f, "click 1202\nclick 1341\nclick 1202\ndump\nclick 1\n").out.substr(0, 2), "1 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "1000000");
}

TEST_F(TargetFileDialog, FileButtonsSelectDeselectAndRefuseWhatIsMissing) {
  Flags f;
  f.kind = 0;
  RunResult r = Run(f, "click 1203\ndump\nclick 1203\ndump\nclick 1\n");
  EXPECT_EQ(Ticks(DumpAt(r, 0)) + Ticks(DumpAt(r, 1)), "01000000000000");
  EXPECT_EQ(r.out.substr(0, 2), "0 ");
  EXPECT_EQ(Run(f, "click 1203\nclick 1\n").out.substr(0, 2), "2 ");
  // No point-information file: the button does not stay ticked.
  EXPECT_EQ(Run(f, "click 1203\ndump\nclick 1\n", "x", "").out.substr(0, 2), "0 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0000000");
  // In update mode without the flag the file is not offered.
  f.pointInfo = 0;
  EXPECT_EQ(Run(f, "click 1203\ndump\nclick 1\n").out.substr(0, 2), "0 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)) + DumpAt(m_last).Control(104).Text(), "0000000");

  f = Flags{};
  f.kind = 0;
  EXPECT_EQ(Run(f, "click 1234\ndump\nclick 1\n").out.substr(0, 2), "4 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0001000");
  EXPECT_EQ(Run(f, "click 1209\ndump\nclick 1\n").out.substr(0, 2), "3 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)) + "|" + DumpAt(m_last).Control(104).Text(), "0010000|");
  EXPECT_EQ(Run(f, "click 1341\nclick 1080\ndump\nclick 1\n").out.substr(0, 2), "7 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0000001");
  // The prefecture button only sets the kind; it keeps its own tick.
  EXPECT_EQ(Run(f, "click 1341\nclick 1012\ndump\nclick 1\n").out.substr(0, 2), "6 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0000110");
  EXPECT_EQ(Run(f, "click 1012\nclick 1012\nclick 1\n").out.substr(0, 2), "0 ");

  // Regional files not in use: the choice is dropped; no regional file at all: nothing happens.
  f.regional = 0;
  f.kind = 5;
  EXPECT_EQ(Run(f, "click 1209\ndump\nclick 1\n").out.substr(0, 2), "0 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)) + DumpAt(m_last).Control(1170).Text(), "0000000");
  EXPECT_EQ(Run(f, "click 1209\ndump\nclick 1\n", "", "d:\\pt\\a.txt", "").out.substr(0, 2), "5 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0010000");
  // Landmark and table files that are not available stay unticked.
  f.landmarkAndTable = 0;
  f.kind = 2;
  EXPECT_EQ(Run(f, "click 1341\nclick 1080\ndump\nclick 1\n").out.substr(0, 2), "2 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0000000");
}

TEST_F(TargetFileDialog, TheSiblingProductsDataCannotBeChosen) {
  Flags f;
  f.sibling = 1;
  RunResult r = Run(f, "click 1234\nanswer ok\ndump\nclick 1\n");
  EXPECT_EQ(Events(r.log, "messagebox").at(0)["text"].Str(),
            U8(u8"｢テラノバ探訪記｣のデータファイルは\n本アプリケーションで更新できません！"));
  EXPECT_EQ(Ticks(DumpAt(r)) + r.out.substr(0, 2), "00000002 ");
  f.mode = 0;
  r = Run(f, "click 1234\nanswer ok\nclick 1\n");
  EXPECT_TRUE(Events(r.log, "messagebox").at(0)["text"].Str().ends_with(U8(u8"本アプリケーションで登録できません！")));
}

TEST_F(TargetFileDialog, RegistrationGoesToTheMapsRegionalFileMadeWhenMissing) {
  Flags f;
  f.mode = 0;
  f.kind = 1;
  RunResult r = Run(f, "click 1202\ndump\nclick 1\n", "D:\\PNT\\Zenkoku.PNT", "d:\\pt\\a.txt", "d:\\old.lsn");
  EXPECT_EQ(r.out, "3 1 1 1 d:\\pt\\a.txt|d:\\local20\\3945.lsn|d:\\media\\b.dat\n");
  EXPECT_TRUE(std::filesystem::exists(m_data.path() / "LOCAL20" / "3945.lsn"));
  EXPECT_EQ(m_data.Read("LOCAL20/3945.lsn"), "");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Title(), U8(u8"    地点を登録する地点名ﾌｧｲﾙ"));
  EXPECT_EQ(Ticks(d), "0000000");
  EXPECT_EQ(d.Control(1202).Text() + d.Control(1206).Text() + d.Control(1204).Text() + d.Control(1334).Text(),
            U8(u8"＊＊＊＊登録中止 ────────────────新規"));
  EXPECT_EQ(d.Control(1170).Text(), R"(d:\local20\3945.lsn)");

  // An existing regional file is left as it is; stop ends with kind -1.
  m_data.Write("LOCAL20/3945.lsn", "a\r\n");
  EXPECT_EQ(Run(f, "click 1206\n").out.substr(0, 3), "-1 ");
  EXPECT_EQ(m_data.Read("LOCAL20/3945.lsn"), "a\r\n");
  // Registration mode offers the point-information file even when it must first be chosen.
  f.kind = 0;
  f.pointInfo = 0;
  EXPECT_EQ(Run(f, "click 1209\nclick 1203\ndump\nclick 1\n").out.substr(0, 2), "3 ");
  EXPECT_EQ(Ticks(DumpAt(m_last)), "0010000");

  // Without the folder Local20 nothing is made, and the name still comes back.
  std::filesystem::remove_all(m_data.path() / "LOCAL20");
  EXPECT_EQ(Run(f, "click 1\n").out, "0 0 1 1 d:\\pt\\a.txt|d:\\local20\\3945.lsn|d:\\media\\b.dat\n");
  EXPECT_FALSE(std::filesystem::exists(m_data.path() / "local20"));
}

TEST_F(TargetFileDialog, NewFilesAreRegisteredAsChosenAndBecomeTheTarget) {
  Flags f;
  f.mode = 0;
  f.kind = 3;
  m_data.Write("EXPLFILE.dat", "d:\\pt\\a.txt");
  RunResult r = Run(f, "click 1334\npick \"D:\\New\\Pts.TXT\"\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "2 1 0 1 D:\\New\\Pts.TXT|d:\\local20\\3945.lsn|d:\\media\\b.dat\n");
  EXPECT_EQ(m_data.Read("EXPLFILE.dat"), "d:\\pt\\a.txt\r\nD:\\New\\Pts.TXT\r\n");
  EXPECT_EQ(Ticks(DumpAt(r)) + DumpAt(r).Control(104).Text(), R"(0100000D:\New\Pts.TXT)");
  auto pickers = Events(r.log, "filedialog");
  ASSERT_EQ(pickers.size(), 1u);
  EXPECT_EQ(pickers[0]["mode"].Str() + " " + pickers[0]["filter"].Str(), "save All files (*.*)|*.*||");
  EXPECT_EQ(pickers[0]["defext"].Str() + pickers[0]["initial"].Str(), "");
  EXPECT_TRUE(pickers[0]["overwriteprompt"].Bool());
  EXPECT_FALSE(std::filesystem::exists(m_data.path() / "New"));  // the host makes the file

  // The text and image list is created; a cancelled picker changes nothing.
  r = Run(f, "click 1334\npick cancel\nclick 1333\npick \"D:\\m\\new.dat\"\nclick 1\n");
  EXPECT_EQ(r.out, "4 0 1 1 d:\\pt\\a.txt|d:\\local20\\3945.lsn|D:\\m\\new.dat\n");
  EXPECT_EQ(m_data.Read("DATAFILE.dat"), "D:\\m\\new.dat\r\n");

  // A list that cannot be written: the user is told, the dialog goes on.
  std::filesystem::remove(m_data.path() / "DATAFILE.dat");
  std::filesystem::create_directory(m_data.path() / "DATAFILE.dat");
  r = Run(f, "click 1333\npick \"D:\\m\\new.dat\"\nanswer ok\nclick 1\n");
  EXPECT_EQ(r.out, "4 0 1 1 d:\\pt\\a.txt|d:\\local20\\3945.lsn|D:\\m\\new.dat\n");
  ASSERT_EQ(Events(r.log, "messagebox").size(), 1u);
  EXPECT_NE(Events(r.log, "messagebox").at(0)["text"].Str().find("DATAFILE.dat"), std::string::npos);

  // Update mode has no new files.
  f.mode = 1;
  EXPECT_EQ(Run(f, "click 1334\nclick 1\n").out.substr(0, 2), "3 ");
}

}  // namespace
}  // namespace topodlg::test
