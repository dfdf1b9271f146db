// The legend window (OnLnrAreaLgnd) through the scripted user: what it draws
// into its canvas, static 1402.
#include <gtest/gtest.h>

#include "tests/scenario/area_data.h"
#include "tests/support/dialog_run.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

constexpr const char* kWhiteField =
    R"({"op":"rect","rect":[2,2,249,274],"color":"#ffffff","width":1,"fill":"#ffffff","hatch":null})";

std::string Text(int x, int y, const std::string& text) {
  return R"({"op":"text","at":[)" + std::to_string(x) + "," + std::to_string(y) + R"(],"text":")" + text +
         U8(u8R"(","color":"#000000","face":"ＭＳ 明朝","height":12})");
}

class AreaLegendWindow : public ::testing::Test {
 protected:
  RunResult Run(int linear, int group, const std::string& script = "dump\nclick 1\n") {
    std::vector<std::string> args = {"300", "40", std::to_string(linear), std::to_string(group), "D:\\",
                                     U8(u8"山地")};
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    RunResult r = CallEntry("OnLnrAreaLgnd", args, script);
    m_dump = DumpAt(r);
    return r;
  }
  std::string Drawing() const { return FieldOf(m_dump, 1402, "drawing"); }
  AreaData m_data;
  std::string m_dump;
};

TEST_F(AreaLegendWindow, AreaEntriesAreHatchedRectanglesWithTheirDescriptions) {
  RunResult r = Run(0, 0);
  EXPECT_EQ(r.out, "");  // no result
  EXPECT_NE(r.log.find(U8(u8R"("title":"                  エリアの凡例")")), std::string::npos);
  EXPECT_EQ(TextOf(m_dump, 1403), U8(u8"山地"));
  // The comment inside the section is skipped.
  EXPECT_EQ(Drawing(), std::string("[") + kWhiteField +
                           R"(,{"op":"rect","rect":[5,5,32,17],"color":"#ff0000","width":1,"fill":"#ff0000",)"
                           R"("hatch":"bdiagonal"},)" + Text(42, 4, U8(u8"住宅地")) +
                           R"(,{"op":"rect","rect":[5,20,32,32],"color":"#008c00","width":1,"fill":"#008c00",)"
                           R"("hatch":"cross"},)" + Text(42, 19, U8(u8"森 林")) + "]");
}

TEST_F(AreaLegendWindow, LineEntriesAreLinesOfTheirWidth) {
  RunResult r = Run(1, 0);
  EXPECT_NE(r.log.find(U8(u8R"("title":"                  線形の凡例")")), std::string::npos);
  EXPECT_EQ(Drawing(), std::string("[") + kWhiteField +
                           R"(,{"op":"line","from":[5,11],"to":[32,11],"color":"#703838","width":2},)" +
                           Text(37, 4, U8(u8"林道")) +
                           R"(,{"op":"line","from":[5,26],"to":[32,26],"color":"#da00f2","width":1},)" +
                           Text(37, 19, U8(u8"歩道")) + "]");
}

TEST_F(AreaLegendWindow, OddEntriesAndEmptyLegends) {
  m_data.Lines("AreaLgd.dat", {"GROUP5", "1 点 黒 不明", "2", "3 縦線", "4 横線 桃 x", "GROUP1"});
  Run(0, 4);
  const std::string d = Drawing();
  // No pattern name: an outline only. No blank: the entry is its own
  // description. Unknown colours are black.
  EXPECT_NE(d.find(R"({"op":"rect","rect":[5,5,32,17],"color":"#000000","width":1,"fill":null,"hatch":null})"),
            std::string::npos);
  EXPECT_NE(d.find(Text(42, 19, "2")), std::string::npos);
  EXPECT_NE(d.find(Text(42, 34, U8(u8"縦線"))), std::string::npos);
  EXPECT_NE(d.find(R"("rect":[5,50,32,62],"color":"#000000","width":1,"fill":"#000000","hatch":"horizontal")"),
            std::string::npos);
  // The section header of group 4 is not there: a white field only. The
  // linear flag 2 titles the window for lines but draws the area legend.
  RunResult r = Run(2, 3);
  EXPECT_EQ(Drawing(), std::string("[") + kWhiteField + "]");
  EXPECT_NE(r.log.find(U8(u8R"("title":"                  線形の凡例")")), std::string::npos);
  std::filesystem::remove(m_data.Dir().path() / "AreaLgd.dat");
  Run(0, 0);
  EXPECT_EQ(Drawing(), std::string("[") + kWhiteField + "]");
}

}  // namespace
}  // namespace topodlg::test
