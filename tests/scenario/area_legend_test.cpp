// The legend window (OnLnrAreaLgnd) through the scripted user: what it draws
// into its canvas, static 1402.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/scenario/area_data.h"
#include "tests/support/dump_reader.h"

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
    return CallEntry("OnLnrAreaLgnd", args, script);
  }
  AreaData m_data;
};

// The operations of the canvas's last paint in the run's dump, each as compact JSON.
Texts Drawing(const RunResult& r, Here at = Here::current()) {
  Texts ops;
  for (const JsonValue& op : DumpAt(r, 0, at).Control(1402, at).Drawing(at)) ops.push_back(op.Json());
  return ops;
}

bool Drawn(const Texts& ops, const std::string& op) { return std::ranges::find(ops, op) != ops.end(); }

TEST_F(AreaLegendWindow, AreaEntriesAreHatchedRectanglesWithTheirDescriptions) {
  RunResult r = Run(0, 0);
  EXPECT_EQ(r.out, "");  // no result
  EXPECT_EQ(DumpAt(r).Title(), U8(u8"                  エリアの凡例"));
  EXPECT_EQ(DumpAt(r).Control(1403).Text(), U8(u8"山地"));
  // The comment inside the section is skipped.
  EXPECT_EQ(Drawing(r), Texts({kWhiteField,
                               R"({"op":"rect","rect":[5,5,32,17],"color":"#ff0000","width":1,"fill":"#ff0000",)"
                               R"("hatch":"bdiagonal"})",
                               Text(42, 4, U8(u8"住宅地")),
                               R"({"op":"rect","rect":[5,20,32,32],"color":"#008c00","width":1,"fill":"#008c00",)"
                               R"("hatch":"cross"})",
                               Text(42, 19, U8(u8"森 林"))}));
}

TEST_F(AreaLegendWindow, LineEntriesAreLinesOfTheirWidth) {
  RunResult r = Run(1, 0);
  EXPECT_EQ(DumpAt(r).Title(), U8(u8"                  線形の凡例"));
  EXPECT_EQ(Drawing(r), Texts({kWhiteField, R"({"op":"line","from":[5,11],"to":[32,11],"color":"#703838","width":2})",
                               Text(37, 4, U8(u8"林道")),
                               R"({"op":"line","from":[5,26],"to":[32,26],"color":"#da00f2","width":1})",
                               Text(37, 19, U8(u8"歩道"))}));
}

TEST_F(AreaLegendWindow, OddEntriesAndEmptyLegends) {
  m_data.Lines("AreaLgd.dat", {"GROUP5", "1 点 黒 不明", "2", "3 縦線", "4 横線 桃 x", "GROUP1"});
  const Texts d = Drawing(Run(0, 4));
  // No pattern name: an outline only. No blank: the entry is its own
  // description. Unknown colours are black.
  EXPECT_TRUE(Drawn(d, R"({"op":"rect","rect":[5,5,32,17],"color":"#000000","width":1,"fill":null,"hatch":null})"));
  EXPECT_TRUE(Drawn(d, Text(42, 19, "2")));
  EXPECT_TRUE(Drawn(d, Text(42, 34, U8(u8"縦線"))));
  EXPECT_TRUE(Drawn(
      d, R"({"op":"rect","rect":[5,50,32,62],"color":"#000000","width":1,"fill":"#000000","hatch":"horizontal"})"));
  // The section header of group 4 is not there: a white field only. The
  // linear flag 2 titles the window for lines but draws the area legend.
  RunResult r = Run(2, 3);
  EXPECT_EQ(Drawing(r), Texts{kWhiteField});
  EXPECT_EQ(DumpAt(r).Title(), U8(u8"                  線形の凡例"));
  std::filesystem::remove(m_data.Dir().path() / "AreaLgd.dat");
  EXPECT_EQ(Drawing(Run(0, 0)), Texts{kWhiteField});
}

}  // namespace
}  // namespace topodlg::test
