// Place-name records: registration into the regional file (OnDlgPntSv) and
// update of an existing record (OnDlgPntUp).
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class PlaceNameRegistDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string twelve;
    for (int i = 0; i < 12; ++i) twelve += "name,35.1,139.2\r\n";
    m_data.Write("Local20/3945.lsn", twelve);
  }
  RunResult Run(int lineCount, const std::string& script, const std::string& file = "D:\\local20\\3945.lsn") {
    return CallEntry("OnDlgPntSv",
                     {"0", std::to_string(lineCount), "812", file, "(120,340)", "35.40.12", "139.02.30", "--drive",
                      "D=" + m_data.str()},
                     script);
  }
  TempDir m_data;
};

TEST_F(PlaceNameRegistDialog, ShowsThePointAndReturnsTheRecordWithTwoEmptyFields) {
  RunResult r = Run(3, "dump\ntype 1020 \"1234\"\nclick 1\n");
  EXPECT_EQ(r.out, "3 0 |1234|35.40.12|139.02.30||\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1017).Text() + "|" + d.Control(1018).Text() + "|" + d.Control(1022).Text() + "|" +
                d.Control(1023).Text() + "|" + d.Control(1072).Text(),
            R"(35.40.12|139.02.30|(120,340)|812|D:\local20\3945.lsn)");
  EXPECT_EQ(d.Title(), U8(u8"　　　  地点名の登録"));
  EXPECT_EQ(Run(3, "type 1019 \"x\"\nclick 2\n").out, "\n");
}

TEST_F(PlaceNameRegistDialog, TheSerialNumberIsTheRegionalFilesLineCount) {
  // Counted when the host passes 0; the host's count is kept otherwise.
  RunResult r = Run(0, "click 1071\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "12 0 12||35.40.12|139.02.30||\n");
  EXPECT_EQ(DumpAt(r).Control(1019).Text(), "12");
  EXPECT_EQ(Run(5, "click 1071\nclick 1\n").out, "5 0 5||35.40.12|139.02.30||\n");
  EXPECT_EQ(Run(0, "click 1071\nclick 1\n", "D:\\local20\\none.lsn").out, "0 0 0||35.40.12|139.02.30||\n");
  // The host's own "Local20" is found whatever the letter case of the name passed.
  EXPECT_EQ(Run(0, "click 1016\n", "D:\\LOCAL20\\3945.LSN").out.substr(0, 5), "12 1 ");
}

TEST_F(PlaceNameRegistDialog, FinishingTakesTheRecordFieldsEvenBesideABadMeshElevation) {
  const std::string edits =
      U8(u8"type 1019 \"新宿\"\ntype 1020 \"40\"\ntype 1017 \"35\"\ntype 1018 \"139\"\ntype 1023 \"x\"\n");
  RunResult r = Run(3, edits + "click 1016\n");
  EXPECT_EQ(r.out, U8(u8"3 1 新宿|40|35|139||\n"));
  EXPECT_TRUE(Events(r.log, "messagebox").empty());
  // Going on needs an integer mesh elevation: the framework says so and the dialog stays.
  r = Run(3, edits + "click 1\nanswer ok\ntype 1023 \"7\"\nclick 1\n");
  EXPECT_EQ(Events(r.log, "messagebox").size(), 1u);
  EXPECT_EQ(r.out, U8(u8"3 0 新宿|40|35|139||\n"));
}

class PlaceNameUpdateDialog : public ::testing::Test {
 protected:
  RunResult Run(int kind, const std::string& script) {
    return CallEntry("OnDlgPntUp",
                     {"0", U8(u8"高尾山"), "35.37.30", "139.14.38", "599", "D:\\PNT\\Zenkoku.PNT", std::to_string(kind)},
                     script);
  }
};

TEST_F(PlaceNameUpdateDialog, ReturnsTheCorrectedRecord) {
  RunResult r = Run(1, "dump\ntype 1075 \"600\"\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 高尾山|35.37.30|139.14.38|600\n"));
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Title(), U8(u8" 地点名の更新(全域地点名)"));
  EXPECT_EQ(d.Control(1003).Text() + "|" + d.Control(1078).Text(), U8(u8R"(標高(m)|D:\PNT\Zenkoku.PNT)"));
  EXPECT_EQ(Run(1, "type 1074 \"x\"\nclick 1073\n").out, "1 x|35.37.30|139.14.38|599\n");
  EXPECT_EQ(Run(1, "type 1074 \"x\"\nescape\n").out, "\n");
}

TEST_F(PlaceNameUpdateDialog, RegionalRecordsHoldAnElevationOrAnAttribute) {
  const Dump d = DumpAt(Run(3, "dump\nclick 1\n"));
  EXPECT_EQ(d.Title(), U8(u8" 地点名の更新(地域地点名)"));
  EXPECT_EQ(d.Control(1003).Text(), U8(u8"標高/      属性"));
}

}  // namespace
}  // namespace topodlg::test
