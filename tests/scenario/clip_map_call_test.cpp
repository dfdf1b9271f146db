// The stored map clips (OnDlgClipMapCall) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dialog_run.h"
#include "tests/support/dump_query.h"

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
  void Lines(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    m_dir.Write(name, text);  // code page 932: ordinary literals are
  }
  RunResult Run(const std::string& script, int colouring = 0, int contour = 100, const std::string& editor = "",
                const std::string& file = "D:\\MAP\\Clip0.dat") {
    RunResult r = CallEntry("OnDlgClipMapCall",
                            {file, U8(u8"山"), U8(u8"海"), "g2", "g3", "g4", editor, std::to_string(colouring),
                             std::to_string(contour), "--drive", "D=" + m_dir.str()},
                            script);
    m_last = r;
    return r;
  }
  std::string Dump(size_t i = 0) const { return DumpAt(m_last, i); }
  TempDir m_dir;
  RunResult m_last;
};

TEST_F(ClipMapCall, ListsGroupZeroAndReturnsTheChosenClip) {
  RunResult r = Run("dump\nselect 1312 1\ndump\nclick 1\n");
  EXPECT_EQ(FieldOf(Dump(), 1312, "items"), U8(u8R"(["皇居","富士山",""])"));
  EXPECT_EQ(TextOf(Dump(), 1318), U8(u8"登録=2"));
  EXPECT_EQ(FieldOf(Dump(), 1320, "items") + FieldOf(Dump(), 1320, "selected"),
            U8(u8R"x(["山","海","g2","g3","g4"]0)x"));
  EXPECT_EQ(FieldOf(Dump(), 1010, "checked") + FieldOf(Dump(), 1011, "checked"), "11");
  const std::string d = Dump(1);
  EXPECT_EQ(TextOf(d, 1299) + "|" + TextOf(d, 1300) + "|" + TextOf(d, 1315) + "|" + TextOf(d, 1301) + "|" +
                TextOf(d, 1302) + "|" + TextOf(d, 1303) + "|" + TextOf(d, 1308) + "|" + TextOf(d, 1307) + "|" +
                TextOf(d, 1306) + "|" + TextOf(d, 1305) + "|" + TextOf(d, 1309) + "|" + TextOf(d, 1316) + "|" +
                TextOf(d, 1318),
            U8(u8"富士|250mﾒｯｼｭ|D:\\\\MAP\\\\SEM5238|5238|320×320|(1,2)->(3,4)|35.2|138.6|35.5|138.9||2004/02/03|2/2"));
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
  EXPECT_EQ(TextOf(Dump(), 1316) + "/" + TextOf(Dump(), 1299), "noblank/");
}

TEST_F(ClipMapCall, GroupsLoadTheirOwnFilesAndKeepTheirHighestIndexes) {
  RunResult r = Run("select 1320 2\ndump\nselect 1312 0\nselect 1320 1\ndump\nselect 1320 3\ndump\nclick 1\n", 4, 50);
  EXPECT_EQ(TextOf(Dump(0), 1324) + FieldOf(Dump(0), 1312, "items") + TextOf(Dump(0), 1318),
            U8(u8"ｸﾞﾙｰﾌﾟ3[\"one\"]登録=0"));
  // A missing file and an empty file both list nothing with highest index 0.
  EXPECT_EQ(FieldOf(Dump(1), 1312, "items") + TextOf(Dump(1), 1318), U8(u8"[]登録=0"));
  EXPECT_EQ(FieldOf(Dump(2), 1312, "items") + TextOf(Dump(2), 1318), U8(u8"[]登録=0"));
  // The chosen clip stays chosen when another group is shown.
  EXPECT_EQ(r.out, "one|a|b|j|c|h|i|k|l|d|e|2 0 0 0 -1 4 50\n");
}

TEST_F(ClipMapCall, AGroupZeroPathWithoutZeroDotHasNoOtherGroupFiles) {
  m_dir.Write("MAP/clips.txt", "x a b c d e f g h i j k l m\r\n");
  m_dir.Write("1.dat", "wrong a b c d e f g h i j k l m\r\n");
  Run("dump\nselect 1320 1\ndump\nescape\n", 0, 100, "", "D:\\MAP\\clips.txt");
  EXPECT_EQ(FieldOf(Dump(0), 1312, "items"), R"(["x"])");
  EXPECT_EQ(FieldOf(Dump(1), 1312, "items"), "[]");
}

// The editor works on the file of the group shown; then group 0 is shown again.
TEST_F(ClipMapCall, EditingReinitialisesOnGroupZero) {
  m_dir.Write("edit.sh", "printf 'new a b c d e f g h i j k l m\\r\\n' >> \"$1\"\n");
  const std::string editor = "/bin/sh " + m_dir.str() + "/edit.sh";
  RunResult r = Run("select 1320 2\nclick 1317\ndump\nselect 1320 2\ndump\nclick 1\n", 0, 100, editor);
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_NE(Events(r.log, "process")[0].find("edit.sh D:\\\\MAP\\\\Clip2.dat\""), std::string::npos);
  EXPECT_EQ(FieldOf(Dump(0), 1320, "selected") + FieldOf(Dump(0), 1312, "items") + TextOf(Dump(0), 1324),
            U8(u8"0[\"皇居\",\"富士山\",\"\"]ｸﾞﾙｰﾌﾟ1"));
  EXPECT_EQ(FieldOf(Dump(1), 1312, "items") + TextOf(Dump(1), 1318), U8(u8"[\"one\",\"new\"]登録=1"));
  // An editor that cannot start leaves the dialog working.
  EXPECT_EQ(Run("click 1317\nselect 1312 0\nclick 1\n", 0, 100, "/no/such/editor").out.substr(0, 7),
            U8(u8"皇居|"));
  // An editor that deletes the file leaves an empty group 0.
  m_dir.Write("remove.sh", "rm \"$1\"\n");
  Run("click 1317\ndump\nescape\n", 0, 100, "/bin/sh " + m_dir.str() + "/remove.sh");
  EXPECT_EQ(FieldOf(Dump(), 1312, "items") + TextOf(Dump(), 1318), U8(u8"[]登録=0"));
}

TEST_F(ClipMapCall, ColouringAndContoursAreNeverBothOff) {
  // Colouring off while contours are off: contours come on at 100.
  Run("select 1312 0\nclick 1010\ndump\nclick 1\n", 5, -999);
  EXPECT_EQ(FieldOf(Dump(), 1010, "checked") + FieldOf(Dump(), 1011, "checked"), "01");
  auto tail = [](const RunResult& r) { return r.out.substr(r.out.rfind('|') + 1); };
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1010\nclick 1\n", 5, -999)), "2 -1 -1 -1 -1 3 100\n");
  // Colouring that started off comes back as 6; then off again turns contours on.
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1010\nclick 1\n", 3, -999)), "2 -1 -1 -1 -1 6 -999\n");
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1010\nclick 1010\nclick 1\n", 3, -999)), "2 -1 -1 -1 -1 3 100\n");
  // Contours come back at their saved value; colouring at its own.
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1011\ndump\nclick 1011\nclick 1010\nclick 1010\nclick 1\n", 2, 50)),
            "2 -1 -1 -1 -1 2 50\n");
  EXPECT_EQ(FieldOf(Dump(), 1011, "checked"), "0");
  EXPECT_EQ(tail(Run("select 1312 0\nclick 1011\nclick 1\n", 3, -999)), "2 -1 -1 -1 -1 3 100\n");
  EXPECT_EQ(FieldOf(DumpAt(Run("dump\nescape\n", 3, -999)), 1010, "checked"), "0");
}

}  // namespace
}  // namespace topodlg::test
