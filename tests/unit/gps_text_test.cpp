#include "dialogs/tracks/gps_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;
using Outcome = TrackSummary::Outcome;

std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

const char* const kPointLine = "T  N3546.89620 E13941.13440 10-MAR-03 04:52:24 00043";

// A "trk" header as receivers write it: datum and coordinate sections with their
// headings, then the column heading and the points.
std::string TrkWithSectionHeadings() {
  return CrLf({"H  R DATUM                IDX DA            DF",
               "M  G WGS 84               121 +0.000000e+00 +0.000000e+00", "",
               "H  COORDINATE SYSTEM", "U  LAT LON DM", "",
               "H  LATITUDE    LONGITUDE    DATE      TIME     ALT", kPointLine,
               "T  N3547.00000 E13942.00000 10-MAR-03 04:53:00 00050"});
}

TEST(TrackType, PathWordsDecideTypeAndDefaultsInEachDialogsOrder) {
  auto select = [](const char* path, int number = 0) {
    return TrackDefaultsForPath(path, number, TrackDialogKind::Select);
  };
  auto update = [](const char* path) { return TrackDefaultsForPath(path, 0, TrackDialogKind::Update); };

  TrackDefaults pot = select("d:\\gps\\walk.pot", 2);
  EXPECT_EQ(pot.type, "pot");
  EXPECT_EQ(pot.format, "D'M'S");
  EXPECT_EQ(pot.name, "POTﾄﾗｯｸ3");
  EXPECT_EQ(pot.datum, "");

  // A folder name counts like the file name: "catalog" holds "log".
  TrackDefaults catalog = select("d:\\catalog\\a.trk");
  EXPECT_EQ(catalog.type, "log");
  EXPECT_EQ(catalog.format, "OrbisRD");
  EXPECT_EQ(catalog.name, "ログ1");
  EXPECT_EQ(catalog.datum, "Tokyo");

  // Both words: the selection dialog tests "log" last, the update dialog "rot".
  EXPECT_EQ(select("d:\\rot\\a.log").type, "log");
  TrackDefaults route = update("d:\\rot\\a.log");
  EXPECT_EQ(route.type, "rot");
  EXPECT_EQ(route.format, "RouteFan");
  EXPECT_EQ(route.name, "ルート1");

  EXPECT_EQ(select("d:\\gps\\a.gdb").type, "gdb");
  EXPECT_EQ(update("d:\\gps\\a.gdb").type, "");
  TrackDefaults trk = select("d:\\gps\\a.trk");
  EXPECT_EQ(trk.type, "trk");
  EXPECT_EQ(trk.name, "");
  EXPECT_EQ(select("d:\\gps\\a.txt").type, "");
}

TEST(ScanTrackHeader, TrkSectionsGiveDatumFormatAndStopAtFirstPoint) {
  TempDir folder;
  CString path = WriteFile(folder, "a.trk", TrkWithSectionHeadings());
  EXPECT_EQ(ScanTrackHeader(path, "trk", "", "", ""),
            CString("N3546.89620 E13941.13440 10-MAR-03 04:52:24 00043#WGS# COORDINATE SYSTEM#DMM"));

  // The last name line before the first point wins; lines after it are not read.
  path = WriteFile(folder, "b.trk", CrLf({"H  COORDINATE SYSTEM", "U  LAT LON DMS", "H 高尾山", kPointLine,
                                     "H later name", "M  G Other"}));
  EXPECT_EQ(ScanTrackHeader(path, "trk", "d", "n", "f"),
            CString("N3546.89620 E13941.13440 10-MAR-03 04:52:24 00043#d#高尾山#DMS"));

  path = WriteFile(folder, "c.trk", CrLf({"U  LAT LON DEG", "T  N35.7816 E139.6855 10-MAR-03 04:52:24 43"}));
  EXPECT_EQ(ScanTrackHeader(path, "trk", "", "", ""),
            CString("N35.7816 E139.6855 10-MAR-03 04:52:24 43###DEG"));
}

TEST(ScanTrackHeader, GdbNameAndDatumLines) {
  TempDir folder;
  CString path = WriteFile(folder, "a.gdb", CrLf({"#T GPSトラック", "#D Tokyo", kPointLine}));
  EXPECT_EQ(ScanTrackHeader(path, "gdb", "", "", ""), CString(std::string(kPointLine).substr(3) + "#Tokyo##"));
  path = WriteFile(folder, "b.gdb", CrLf({"#T 奥多摩", "#T SOFTWARE x", "#D WGS 84"}));
  EXPECT_EQ(ScanTrackHeader(path, "gdb", "", "", ""), CString("#WGS 84#奥多摩#"));
}

TEST(ScanTrackHeader, PotDatumLineAndPointLine) {
  TempDir folder;
  CString wgs = WriteFile(folder, "a.pot", CrLf({"DAT=WGS84", "ORD=POI/tex=/ido=+35.27.39.5/kei=139"}));
  EXPECT_EQ(ScanTrackHeader(wgs, "pot", "", "POTﾄﾗｯｸ1", "D'M'S"),
            CString("35.27.39.5/kei=139#WGS-84#POTﾄﾗｯｸ1#D'M'S"));
  CString tokyo = WriteFile(folder, "b.pot", CrLf({"DAT=TKY"}));
  EXPECT_EQ(ScanTrackHeader(tokyo, "pot", "", "n", "f"), CString("#Tokyo_mean#n#f"));
}

TEST(ScanTrackHeader, RouteAndLogFiles) {
  TempDir folder;
  CString route = WriteFile(folder, "a.rot", CrLf({";144 comment", "145001 35.27.39,139.36.38",
                                              "144001E139.36.38\tN35.27.39", "14400135.27.39,139.36.38"}));
  EXPECT_EQ(ScanTrackHeader(route, "rot", "Tokyo", "ルート1", "RouteFan"),
            CString("N35.27.39 144001E139.36.38#Tokyo#ルート1#RouteFan"));
  CString plain = WriteFile(folder, "b.rot", CrLf({"14400135.27.39,139.36.38"}));
  EXPECT_EQ(ScanTrackHeader(plain, "rot", "", "", ""), CString("35.27.39,139.36.38###"));
  CString other = WriteFile(folder, "c.rot", CrLf({"145001 35.27.39,139.36.38"}));
  EXPECT_EQ(ScanTrackHeader(other, "rot", "", "", ""), CString("###"));

  CString log = WriteFile(folder, "d.log", CrLf({"", "03/03/10 04:52:24 N35.4653789 E139.4108064", "x"}));
  TrackHeader header = ScanTrackHeaderFields(log, "log", "Tokyo", "ログ1", "OrbisRD");
  EXPECT_EQ(header.start, "N35.4653789 E139.4108064");
  EXPECT_EQ(header.firstLogLine, "03/03/10 04:52:24 N35.4653789 E139.4108064");

  EXPECT_EQ(ScanTrackHeader(PathIn(folder, "missing.trk"), "trk", "d", "n", "f"), CString("#d#n#f"));
}

TEST(SummarizeTrack, TrkSplitsDateFromStartAndNamesSystemHeadingsByFile) {
  TempDir folder;
  CString path = WriteFile(folder, "Takao.TRK", TrkWithSectionHeadings());
  TrackSummary summary = SummarizeTrack(path, 0, 3, TrackDialogKind::Select);
  ASSERT_EQ(summary.outcome, Outcome::Shown);
  EXPECT_EQ(summary.type, "trk");
  EXPECT_EQ(summary.name, "takao");
  EXPECT_EQ(summary.datum, "WGS");
  EXPECT_EQ(summary.format, "DMM");
  EXPECT_EQ(summary.date, "10-MAR-03 04:52:24");
  EXPECT_EQ(summary.start, "N3546.89620 E13941.13440");
  EXPECT_EQ(summary.numberText, "  No=1/3");

  // The update dialog keeps the heading as the name.
  EXPECT_EQ(SummarizeTrack(path, 0, 3, TrackDialogKind::Update).name, " COORDINATE SYSTEM");

  // A "system" name in a file name without "." falls back to the default name;
  // number -1 (not in the table) counts from 0.
  CString noDot = WriteFile(folder, "sub/trkfile", CrLf({"H  System"}));
  TrackSummary unnamed = SummarizeTrack(noDot, -1, 7, TrackDialogKind::Select);
  EXPECT_EQ(unnamed.name, "トラック0");
  EXPECT_EQ(unnamed.numberText, "  No=0/7");
  EXPECT_EQ(unnamed.start, "");
  EXPECT_EQ(unnamed.date, "");
}

TEST(SummarizeTrack, FormatsOfTheOtherTypes) {
  TempDir folder;
  CString gdb = WriteFile(folder, "a.gdb", CrLf({"#T GPSトラック", "#D WGS 84", "U  LAT LON DM", kPointLine}));
  TrackSummary track = SummarizeTrack(gdb, 4, 5, TrackDialogKind::Select);
  EXPECT_EQ(track.name, "トラック5");
  EXPECT_EQ(track.datum, "WGS 84");
  EXPECT_EQ(track.start, "N3546.89620 E13941.13440");

  CString pot = WriteFile(folder, 
      "a.pot", CrLf({"DAT=WGS84", "ORD=POI/tex=/ido=+35.27.39.5/kei=139.36.38.8/adr=1/alt=+0043/col=12/"
                                  "pda=10-MAR-03/pti=04:52:24"}));
  TrackSummary points = SummarizeTrack(pot, 1, 2, TrackDialogKind::Select);
  EXPECT_EQ(points.name, "POTﾄﾗｯｸ2");
  EXPECT_EQ(points.datum, "WGS-84");
  EXPECT_EQ(points.format, "D'M'S");
  EXPECT_EQ(points.start, "35.27.39,139.36.38");
  EXPECT_EQ(points.date, "10-MAR-03");
  // No point line: the start stays empty (no lone ",").
  EXPECT_EQ(SummarizeTrack(WriteFile(folder, "b.pot", "DAT=WGS\r\n"), 0, 1, TrackDialogKind::Update).start, "");

  CString log = WriteFile(folder, "a.log", CrLf({"03/03/10 04:52:24 N35.4653789 E139.4108064"}));
  TrackSummary logged = SummarizeTrack(log, 0, 1, TrackDialogKind::Select);
  EXPECT_EQ(logged.start, "N35.4653789 E139.4108064");
  EXPECT_EQ(logged.date, "03/03/10 04:52:24");
  EXPECT_EQ(logged.datum, "Tokyo");
  EXPECT_EQ(logged.format, "OrbisRD");

  CString route = WriteFile(folder, "a.rot", CrLf({"145", "146"}));
  TrackSummary routed = SummarizeTrack(route, 0, 1, TrackDialogKind::Select);
  EXPECT_EQ(routed.start, "");
  EXPECT_EQ(routed.date, "");
  EXPECT_EQ(routed.name, "ルート1");
}

TEST(SummarizeTrack, HashInStartShiftsTheFieldsAfterIt) {
  TempDir folder;
  CString path = WriteFile(folder, "a.trk", CrLf({"U  LAT LON DM", "T  N35#46 E139 x"}));
  TrackSummary summary = SummarizeTrack(path, 0, 1, TrackDialogKind::Select);
  EXPECT_EQ(summary.datum, "46 E139 x");
  EXPECT_EQ(summary.name, "トラック1");  // the datum field moved into the name
  EXPECT_EQ(summary.format, "#DMM");
}

TEST(SummarizeTrack, NoPathAndUnreadableFiles) {
  TempDir folder;
  EXPECT_EQ(SummarizeTrack("", 0, 0, TrackDialogKind::Select).outcome, Outcome::NoPath);
  EXPECT_EQ(SummarizeTrack(PathIn(folder, "gone.trk"), 0, 0, TrackDialogKind::Select).outcome,
            Outcome::Unreadable);
  std::filesystem::create_directories(folder.path() / "dir.trk");
  EXPECT_EQ(SummarizeTrack(PathIn(folder, "dir.trk"), 0, 0, TrackDialogKind::Select).outcome,
            Outcome::Unreadable);
}

TEST(SummarizeTrack, HostileFilesReadWithoutHarm) {
  TempDir folder;
  std::string binary(100000, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 131 % 256);
  EXPECT_EQ(SummarizeTrack(WriteFile(folder, "bin.trk", binary), 0, 1, TrackDialogKind::Select).outcome,
            Outcome::Shown);

  // A long line is cut at the limit; what follows it on the same line is not
  // taken for further lines (no second name line from the tail).
  std::string longName = "H " + std::string(300, 'n') + " H tail";
  CString longLines = WriteFile(folder, "long.trk", longName + "\r\n" + kPointLine + "\r\n");
  TrackSummary summary = SummarizeTrack(longLines, 0, 1, TrackDialogKind::Select);
  EXPECT_EQ(summary.name, CString(std::string(197, 'n')));
  EXPECT_EQ(summary.start, CString(kPointLine).Mid(3));  // no format line: start kept whole

  // LF alone ends lines too; a truncated last line still counts.
  CString unixLines = WriteFile(folder, "lf.trk", std::string("U  LAT LON DMS\nT  N1 E2 d t"));
  TrackSummary truncated = SummarizeTrack(unixLines, 0, 1, TrackDialogKind::Select);
  EXPECT_EQ(truncated.format, "DMS");
  EXPECT_EQ(truncated.start, "N1 E2");
  EXPECT_EQ(truncated.date, "d t");

  // CR alone does not end a line: the whole file is one (cut) line.
  CString crOnly = WriteFile(folder, "cr.trk", std::string("U  LAT LON DMS\rT  N1 E2 d t\r"));
  EXPECT_EQ(SummarizeTrack(crOnly, 0, 1, TrackDialogKind::Select).format, "DMS");
}

TEST(TrackPointLines, TrkReadsFieldsAndWritesThemBack) {
  TrackPoint point = ReadTrackPoint("trk", kPointLine);
  EXPECT_EQ(point.latitude, "3546.89620");
  EXPECT_EQ(point.longitude, "13941.13440");
  EXPECT_EQ(point.date, "10-MAR-03");
  EXPECT_EQ(point.time, "04:52:24");
  EXPECT_EQ(point.altitude, "00043");
  EXPECT_EQ(WriteTrackPoint("trk", point), kPointLine);

  // Up to nine blanks before the altitude are skipped; ten mean no altitude.
  const std::string fields = "T  N1 E2 d t ";
  EXPECT_EQ(ReadTrackPoint("trk", fields + std::string(9, ' ') + "7 x").altitude, "7");
  EXPECT_EQ(ReadTrackPoint("trk", fields + std::string(10, ' ') + "7").altitude, "");
  TrackPoint shortLine = ReadTrackPoint("trk", "T  N35");
  EXPECT_EQ(shortLine.latitude, "35");
  EXPECT_EQ(shortLine.longitude, "");
  EXPECT_EQ(shortLine.altitude, "");
}

TEST(TrackPointLines, PotKeepsExactlyOneAltitudeSign) {
  const char* line = "ORD=POI/tex=/ido=+35.27.39.5/kei=139.36.38.8/adr=1/alt=-0012/col=12/pda=10-MAR-03/pti=04:52:24 x";
  TrackPoint point = ReadTrackPoint("pot", line);
  EXPECT_EQ(point.latitude, "+35.27.39.5");
  EXPECT_EQ(point.longitude, "139.36.38.8");
  EXPECT_EQ(point.altitude, "-0012");
  EXPECT_EQ(point.date, "10-MAR-03");
  EXPECT_EQ(point.time, "04:52:24");
  EXPECT_EQ(WriteTrackPoint("pot", point),
            "ORD=POI/tex=/ido=+35.27.39.5/kei=139.36.38.8/adr=1/alt=-0012/col=12/pda=10-MAR-03/pti=04:52:24");
  point.altitude = "43";
  EXPECT_EQ(ReadTrackPoint("pot", WriteTrackPoint("pot", point)).altitude, "+43");
  EXPECT_EQ(ReadTrackPoint("pot", "no marker here"), TrackPoint{});
}

TEST(TrackPointLines, RouteVariantsAndLogColumns) {
  TrackPoint four = ReadTrackPoint("rot", "E139.36.38\tN35.27.39");
  EXPECT_EQ(four.variant, "Ⅳ");
  EXPECT_EQ(four.longitude, "139.36.38");
  EXPECT_EQ(four.latitude, "35.27.39");
  EXPECT_EQ(four.prefix, "");
  EXPECT_EQ(WriteTrackPoint("rot", four), "E139.36.38\tN35.27.39");

  TrackPoint one = ReadTrackPoint("rot", "14400135.27.39,139.36.38");
  EXPECT_EQ(one.variant, "Ⅰ");
  EXPECT_EQ(one.prefix, "144001");
  EXPECT_EQ(one.latitude, "35.27.39");
  EXPECT_EQ(one.longitude, "139.36.38");
  EXPECT_EQ(WriteTrackPoint("rot", one), "14400135.27.39,139.36.38");

  const char* logLine = "03/03/10 04:52:24 N35.4653789 E139.4108064";
  TrackPoint logged = ReadTrackPoint("log", logLine);
  EXPECT_EQ(logged.date, "03/03/10");
  EXPECT_EQ(logged.time, "04:52:24");
  EXPECT_EQ(logged.latitude, "35.4653789");
  EXPECT_EQ(logged.longitude, "139.4108064");
  EXPECT_EQ(WriteTrackPoint("log", logged), logLine);
  EXPECT_EQ(ReadTrackPoint("log", "03/03").time, "");
  EXPECT_EQ(WriteTrackPoint("gdb", logged), "");
}

TEST(TrackPointLines, RewriteOnlyWhenAFieldChanged) {
  TrackPoint read = ReadTrackPoint("trk", kPointLine);
  EXPECT_EQ(RewriteTrackPoint("trk", read, read), "");
  TrackPoint edited = read;
  edited.altitude = "00050";
  EXPECT_EQ(RewriteTrackPoint("trk", read, edited), "T  N3546.89620 E13941.13440 10-MAR-03 04:52:24 00050");
}

TEST(TrackPointLines, EditorLabels) {
  EXPECT_EQ(PointEditorLabelsFor("trk", 2).fileLabel, "書式:TRK");
  EXPECT_EQ(PointEditorLabelsFor("trk", 2).notationLabel, "形式:DM");
  EXPECT_EQ(PointEditorLabelsFor("pot", 4).fileLabel, "書式:POT");
  EXPECT_EQ(PointEditorLabelsFor("pot", 4).notationLabel, "D'M'S");
  EXPECT_EQ(PointEditorLabelsFor("pot", 3).notationLabel, "形式:DMS");
  EXPECT_EQ(PointEditorLabelsFor("trk", 1).notationLabel, "形式:DEG");
  EXPECT_EQ(PointEditorLabelsFor("rot", 1).fileLabel, "RouteFan");
  EXPECT_EQ(PointEditorLabelsFor("log", 1).fileLabel, "KartPro");
  EXPECT_EQ(PointEditorLabelsFor("log", 1).notationLabel, "");
}

}  // namespace
}  // namespace topodlg
