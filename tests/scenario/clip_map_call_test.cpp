// The stored map clips (OnDlgClipMapCall) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class ClipMapCall : public ::testing::Test {
 protected:
  ClipMapCall() {
    Lines("MAP/Clip0.dat",
          {";clips of group 0",
           "皇居 東京 D:\\MAP\\MEM5339 5339 35.5 139.5 36.0 140.0 D:\\names.pnt D:\\info.txt 50mﾒｯｼｭ 400×400 "
           "(10,30)->(20,40) 2004/01/02 10:00",
           "", "富士山 富士 D:\\MAP\\SEM5238 5238 35.2 138.6 35.5 138.9  * 250mﾒｯｼｭ 320×320 (1,2)->(3,4) 2004/02/03",
           "noblank"});
    Lines("MAP/Clip2.dat", {"one a b c d e f g h i j k l m"});
    m_dir.Write("MAP/Clip3.dat", "");
  }
  // Code page 932: ordinary literals are.
  void Lines(const std::string& name, const std::vector<std::string>& lines) { m_dir.WriteLines(name, lines); }
  RunResult Run(const std::string& script, int colouring = 0, int contour = 100, const std::string& editor = "",
                const std::string& file = "D:\\MAP\\Clip0.dat") {
    return CallEntry("OnDlgClipMapCall",
                     {file, U8(u8"山"), U8(u8"海"), "g2", "g3", "g4", editor, std::to_string(colouring),
                      std::to_string(contour), "--drive", "D=" + m_dir.str()},
                     script);
  }
  TempDir m_dir;
};

TEST_F(ClipMapCall, ListsGroupZeroAndReturnsTheChosenClip) {
  RunResult r = Run("dump\nselect 1312 1\ndump\nclick 1\n");
  const Dump opened = DumpAt(r, 0);
  EXPECT_EQ(opened.Control(1312).Items(), Texts({U8(u8"皇居"), U8(u8"富士山"), ""}));
  EXPECT_EQ(opened.Control(1318).Text(), U8(u8"登録=2"));
  EXPECT_EQ(opened.Control(1320).Items(), Texts({U8(u8"山"), U8(u8"海"), "g2", "g3", "g4"}));
  EXPECT_EQ(opened.Control(1320).Selected(), 0);
  EXPECT_EQ(opened.Control(1010).Checked(), 1);
  EXPECT_EQ(opened.Control(1011).Checked(), 1);
  const Dump d = DumpAt(r, 1);
  std::string shown;
  for (int id : {1299, 1300, 1315, 1301, 1302, 1303, 1308, 1307, 1306, 1305, 1309, 1316}) {
    shown += d.Control(id).Text() + "|";
  }
  EXPECT_EQ(shown + d.Control(1318).Text(),
            U8(u8"富士|250mﾒｯｼｭ|D:\\MAP\\SEM5238|5238|320×320|(1,2)->(3,4)|35.2|138.6|35.5|138.9||2004/02/03|2/2"));
  // The empty place-name field travels as "*"; groups never opened are -1.
  EXPECT_EQ(r.out, U8(u8"富士山|富士|D:\\MAP\\SEM5238|250mﾒｯｼｭ|5238|*|*|320×320|(1,2)->(3,4)|35.2|138.6|"
                      "2 -1 -1 -1 -1 0 100\n"));
}

TEST_F(ClipMapCall, NoChosenClipOrCancelGivesCansel) {
  EXPECT_EQ(Run("click 1\n").out, "CANSEL\n");
  EXPECT_EQ(Run("select 1312 0\nclick 2\n").out, "CANSEL\n");
  // A record without a blank has only its last field: no map name, no clip.
  RunResult r = Run("select 1312 2\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "CANSEL\n");
  EXPECT_EQ(DumpAt(r).Control(1316).Text() + "/" + DumpAt(r).Control(1299).Text(), "noblank/");
}

TEST_F(ClipMapCall, GroupsLoadTheirOwnFilesAndKeepTheirHighestIndexes) {
  RunResult r = Run("select 1320 2\ndump\nselect 1312 0\nselect 1320 1\ndump\nselect 1320 3\ndump\nclick 1\n", 4, 50);
  const Dump third = DumpAt(r, 0);
  EXPECT_EQ(third.Control(1324).Text(), U8(u8"ｸﾞﾙｰﾌﾟ3"));
  EXPECT_EQ(third.Control(1312).Items(), Texts{"one"});
  EXPECT_EQ(third.Control(1318).Text(), U8(u8"登録=0"));
  // A missing file and an empty file both list nothing with highest index 0.
  for (size_t i : {1u, 2u}) {
    EXPECT_EQ(DumpAt(r, i).Control(1312).Items(), Texts{}) << i;
    EXPECT_EQ(DumpAt(r, i).Control(1318).Text(), U8(u8"登録=0")) << i;
  }
  // The chosen clip stays chosen when another group is shown.
  EXPECT_EQ(r.out, "one|a|b|j|c|h|i|k|l|d|e|2 0 0 0 -1 4 50\n");
}

TEST_F(ClipMapCall, AGroupZeroPathWithoutZeroDotHasNoOtherGroupFiles) {
  m_dir.Write("MAP/clips.txt", "x a b c d e f g h i j k l m\r\n");
  m_dir.Write("1.dat", "wrong a b c d e f g h i j k l m\r\n");
  RunResult r = Run("dump\nselect 1320 1\ndump\nescape\n", 0, 100, "", "D:\\MAP\\clips.txt");
  EXPECT_EQ(DumpAt(r, 0).Control(1312).Items(), Texts{"x"});
  EXPECT_EQ(DumpAt(r, 1).Control(1312).Items(), Texts{});
}

// The editor works on the file of the group shown; then group 0 is shown again.
TEST_F(ClipMapCall, EditingReinitialisesOnGroupZero) {
  m_dir.Write("edit.sh", "printf 'new a b c d e f g h i j k l m\\r\\n' >> \"$1\"\n");
  const std::string editor = "/bin/sh " + m_dir.str() + "/edit.sh";
  RunResult r = Run("select 1320 2\nclick 1317\ndump\nselect 1320 2\ndump\nclick 1\n", 0, 100, editor);
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(Events(r.log, "process")[0]["command"].Str(), editor + " D:\\MAP\\Clip2.dat");
  const Dump edited = DumpAt(r, 0);
  EXPECT_EQ(edited.Control(1320).Selected(), 0);
  EXPECT_EQ(edited.Control(1312).Items(), Texts({U8(u8"皇居"), U8(u8"富士山"), ""}));
  EXPECT_EQ(edited.Control(1324).Text(), U8(u8"ｸﾞﾙｰﾌﾟ1"));
  EXPECT_EQ(DumpAt(r, 1).Control(1312).Items(), Texts({"one", "new"}));
  EXPECT_EQ(DumpAt(r, 1).Control(1318).Text(), U8(u8"登録=1"));
  // An editor that cannot start leaves the dialog working.
  EXPECT_EQ(Run("click 1317\nselect 1312 0\nclick 1\n", 0, 100, "/no/such/editor").out.substr(0, 7),
            U8(u8"皇居|"));
  // An editor that deletes the file leaves an empty group 0.
  m_dir.Write("remove.sh", "rm \"$1\"\n");
  r = Run("click 1317\ndump\nescape\n", 0, 100, "/bin/sh " + m_dir.str() + "/remove.sh");
  EXPECT_EQ(DumpAt(r).Control(1312).Items(), Texts{});
  EXPECT_EQ(DumpAt(r).Control(1318).Text(), U8(u8"登録=0"));
}

TEST_F(ClipMapCall, ColouringAndContoursAreNeverBothOff) {
  // Colouring off while contours are off: contours come on at 100.
  RunResult r = Run("select 1312 0\nclick 1010\ndump\nclick 1\n", 5, -999);
  EXPECT_EQ(DumpAt(r).Control(1010).Checked(), 0);
  EXPECT_EQ(DumpAt(r).Control(1011).Checked(), 1);
  auto tail = [](const RunResult& r) { return r.out.substr(r.out.rfind('|') + 1); };
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1010\nclick 1\n", 5, -999)), "2 -1 -1 -1 -1 3 100\n");
  // Colouring that started off comes back as 6; then off again turns contours on.
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1010\nclick 1\n", 3, -999)), "2 -1 -1 -1 -1 6 -999\n");
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1010\nclick 1010\nclick 1\n", 3, -999)), "2 -1 -1 -1 -1 3 100\n");
  // Contours come back at their saved value; colouring at its own.
  r = Run("select 1312 0\nclick 1011\ndump\nclick 1011\nclick 1010\nclick 1010\nclick 1\n", 2, 50);
  EXPECT_EQ(tail(r), "2 -1 -1 -1 -1 2 50\n");
  EXPECT_EQ(DumpAt(r).Control(1011).Checked(), 0);
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1011\nclick 1\n", 3, -999)), "2 -1 -1 -1 -1 3 100\n");
  EXPECT_EQ(DumpAt(Run("dump\nescape\n", 3, -999)).Control(1010).Checked(), 0);
}

}  // namespace
}  // namespace topodlg::test
