// Point coordinates: one numbered point or the coordinate to move to
// (OnDlgPtUpd), and one point line of a GPS file (OnDlgPtUpg).
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

RunResult PointCoord(int number, int count, const std::string& script) {
  RunResult r = RunCli({"call", "OnDlgPtUpd", "35.37.30", "139.14.38", std::to_string(number),
                        std::to_string(count)},
                       script);
  EXPECT_EQ(r.exit, 0) << r.err;
  return r;
}

TEST(PointCoordDialog, EditsOneNumberedPointAndCancelsWithMinusOne) {
  RunResult r = PointCoord(3, 10, "dump\ntype 1443 \"139.15.00\"\nclick 1\n");
  EXPECT_EQ(r.out, "2 35.37.30|139.15.00\n");
  EXPECT_EQ(DumpAt(r).Control(1444).Text(), "No=3/10");
  EXPECT_EQ(DumpAt(r).Title(), U8(u8"地点座標の更新"));
  EXPECT_EQ(PointCoord(3, 10, "type 1442 \"1\"\nescape\n").out, "-1 \n");
  EXPECT_EQ(PointCoord(3, 10, "enter\n").out, "2 35.37.30|139.14.38\n");
}

TEST(PointCoordDialog, MinusOneTwiceAsksForTheCoordinateToMoveTo) {
  RunResult r = PointCoord(-1, -1, "dump\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Title(), U8(u8" 指定の座標へ移動"));
  EXPECT_EQ(DumpAt(r).Control(1444).Text(), U8(u8"形式:度.分秒"));
  EXPECT_EQ(DumpAt(PointCoord(-1, 4, "dump\nclick 1\n")).Control(1444).Text(), "No=-1/4");
}

constexpr const char* kTrk = "T  N3537.50600 E13914.64000 10-MAR-03 04:52:24 00200";

RunResult TrackPoint(int code, const std::string& line, const std::string& type, const std::string& script) {
  RunResult r = RunCli({"call", "OnDlgPtUpg", std::to_string(code), "4", "120", line, type}, script);
  EXPECT_EQ(r.exit, 0) << r.err;
  return r;
}

// The five edits and the three labels of a dump, "|"-joined.
std::string Shown(const Dump& dump) {
  std::string shown;
  for (int id : {1445, 1446, 1449, 1450, 1451, 1448, 1452, 1453, 1454}) shown += dump.Control(id).Text() + "|";
  return shown;
}

TEST(TrackPointDialog, ATrkLineComesBackOnlyWhenAFieldChanged) {
  RunResult r = TrackPoint(0, kTrk, "trk", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "\n");
  EXPECT_EQ(Shown(DumpAt(r)), U8(u8"3537.50600|13914.64000|10-MAR-03|04:52:24|00200|No=4/120|書式:TRK||形式:DMS|"));
  EXPECT_EQ(TrackPoint(0, kTrk, "trk", "type 1451 \"00210\"\nclick 1\n").out,
            "T  N3537.50600 E13914.64000 10-MAR-03 04:52:24 00210\n");
  // Typing a field's own text again is no change.
  EXPECT_EQ(TrackPoint(0, kTrk, "trk", "type 1449 \"10-MAR-03\"\nenter\n").out, "\n");
  EXPECT_EQ(TrackPoint(0, kTrk, "trk", "type 1451 \"1\"\nescape\n").out, "\n");
  EXPECT_EQ(DumpAt(TrackPoint(3, kTrk, "trk", "dump\nclick 1\n")).Control(1454).Text(), U8(u8"形式:DMS"));
  EXPECT_EQ(DumpAt(TrackPoint(1, kTrk, "trk", "dump\nclick 1\n")).Control(1454).Text(), U8(u8"形式:DEG"));
}

TEST(TrackPointDialog, EachTypeIsReadAndWrittenInItsOwnForm) {
  const std::string pot = "ORD=POI/tex=/ido=+35.13.56.6/kei=139.06.26.3/adr=1/alt=+0040/col=12/pda=15-MAY-03/"
                          "pti=13:05:00";
  RunResult r = TrackPoint(4, pot, "pot", "dump\ntype 1451 \"-0012\"\nclick 1\n");
  EXPECT_EQ(Shown(DumpAt(r)),
            U8(u8"+35.13.56.6|139.06.26.3|15-MAY-03|13:05:00|+0040|No=4/120|書式:POT||D'M'S|"));
  // One sign, the one typed.
  EXPECT_EQ(r.out, "ORD=POI/tex=/ido=+35.13.56.6/kei=139.06.26.3/adr=1/alt=-0012/col=12/pda=15-MAY-03/"
                   "pti=13:05:00\n");

  // A "rot" line of variant I keeps its six-character prefix.
  r = TrackPoint(0, "14400035.19.32,139.33.00", "rot", "dump\ntype 1445 \"35.19.40\"\nclick 1\n");
  EXPECT_EQ(Shown(DumpAt(r)), "35.19.32|139.33.00||||No=4/120|RouteFan|||");
  EXPECT_EQ(r.out, "14400035.19.40,139.33.00\n");
  EXPECT_EQ(TrackPoint(0, "E139.33.00\tN35.19.32", "rot", "type 1446 \"139.34.00\"\nclick 1\n").out,
            "E139.34.00\tN35.19.32\n");

  r = TrackPoint(0, "04/06/12 07:30:00 N35.9917000 E139.0854000", "log", "dump\ntype 1450 \"07:31:00\"\nclick 1\n");
  EXPECT_EQ(Shown(DumpAt(r)), "35.9917000|139.0854000|04/06/12|07:30:00||No=4/120|KartPro|||");
  EXPECT_EQ(r.out, "04/06/12 07:31:00 N35.9917000 E139.0854000\n");
}

TEST(TrackPointDialog, UnknownTypesAndBrokenLinesShowEmptyFieldsAndWriteNothing) {
  RunResult r = TrackPoint(2, kTrk, "gdb", "dump\ntype 1445 \"1\"\nclick 1\n");
  EXPECT_EQ(Shown(DumpAt(r)), U8(u8"|||||No=4/120|書式:TRK||形式:DMS|"));
  EXPECT_EQ(r.out, "\n");
  // A short line gives the pieces it has.
  r = TrackPoint(0, "T  N35", "trk", "dump\nclick 1\n");
  EXPECT_EQ(Shown(DumpAt(r)).substr(0, 7), "35|||||");
  EXPECT_EQ(TrackPoint(0, "", "log", "type 1451 \"1\"\nclick 1\n").out, "  N E\n");
}

}  // namespace
}  // namespace topodlg::test
