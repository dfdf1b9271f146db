#include "dialogs/tracks/gps_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;
using Outcome = TrackSummary::Outcome;
constexpr auto kSelect = TrackDialogKind::Select;
constexpr auto kUpdate = TrackDialogKind::Update;

#define POINT "T  N3546.89620 E13941.13440 10-MAR-03 04:52:24 00043"
#define POT_POINT "ORD=POI/tex=/ido=+35.27.39.5/kei=139.36.38.8/adr=1/alt=+0043/col=12/pda=10-MAR-03/pti=04:52:24"
// A receiver's header: datum and coordinate sections with their headings.
#define SECTIONS                                                                                    \
  "H  R DATUM                IDX DA\r\nM  G WGS 84               121 +0.0\r\n\r\nH  COORDINATE SYSTEM\r\n" \
  "U  LAT LON DM\r\n\r\nH  LATITUDE    LONGITUDE    DATE      TIME     ALT\r\n"

TEST(TrackType, PathWordsDecideTypeAndDefaultsInEachDialogsOrder) {
  TrackDefaults pot = TrackDefaultsForPath("d:\\gps\\walk.pot", 2, kSelect);
  EXPECT_EQ(pot.type.str() + pot.format.str() + pot.name.str() + "|" + pot.datum.str(), CString("potD'M'SPOTﾄﾗｯｸ3|").str());
  // Folder names count: "catalog" holds "log".
  TrackDefaults catalog = TrackDefaultsForPath("d:\\catalog\\a.trk", 0, kSelect);
  EXPECT_EQ(catalog.type.str() + catalog.format.str() + catalog.name.str() + catalog.datum.str(),
            CString("logOrbisRDログ1Tokyo").str());
  // Both words: the selection dialog tests "log" last, the update dialog "rot".
  EXPECT_EQ(TrackDefaultsForPath("d:\\rot\\a.log", 0, kSelect).type, "log");
  EXPECT_EQ(TrackDefaultsForPath("d:\\rot\\a.log", 0, kUpdate).name, "ルート1");
  EXPECT_EQ(TrackDefaultsForPath("d:\\a.gdb", 0, kSelect).type, "gdb");
  EXPECT_EQ(TrackDefaultsForPath("d:\\a.gdb", 0, kUpdate).type, "");
  EXPECT_EQ(TrackDefaultsForPath("d:\\a.trk", 0, kSelect).name, "");
}

TEST(ScanTrackHeader, JoinsTheFieldsAndKeepsTheCallersDefaults) {
  TempDir folder;
  CString path = WriteFile(folder, "a.trk", SECTIONS POINT "\r\nH later\r\n");
  EXPECT_EQ(ScanTrackHeader(path, "trk", "", "", ""),
            CString(std::string(POINT).substr(3) + "#WGS# COORDINATE SYSTEM#DMM"));
  EXPECT_EQ(ScanTrackHeader(PathIn(folder, "missing.trk"), "trk", "d", "n", "f"), "#d#n#f");
}

struct SummaryCase {
  const char* file;
  const char* text;
  TrackDialogKind kind;
  int number;
  const char *name, *datum, *date, *start, *format;
};

TEST(SummarizeTrack, EveryTypeAndFormat) {
  const SummaryCase cases[] = {
      // The coordinate system heading is the last name line: the file name stands in.
      {"Takao.TRK", SECTIONS POINT, kSelect, 0, "takao", "WGS", "10-MAR-03 04:52:24", "N3546.89620 E13941.13440", "DMM"},
      {"Takao.TRK", SECTIONS POINT, kUpdate, 0, " COORDINATE SYSTEM", "WGS", "10-MAR-03 04:52:24",
       "N3546.89620 E13941.13440", "DMM"},
      // The last name line before the first point wins; nothing after it is read.
      {"b.trk", "H  COORDINATE SYSTEM\r\nU  LAT LON DMS\r\nH 高尾山\r\n" POINT "\r\nH later\r\nM  G x\r\n", kSelect, 0,
       "高尾山", "", "10-MAR-03 04:52:24", "N3546.89620 E13941.13440", "DMS"},
      {"c.trk", "U  LAT LON DEG\nT  N35.7816 E139.6855 d t 43", kSelect, 0, "トラック1", "", "d t 43",
       "N35.7816 E139.6855", "DEG"},
      {"sub/trkfile", "H  System\r\n", kSelect, -1, "トラック0", "", "", "", ""},
      {"a.gdb", "#T GPSトラック\r\n#D WGS 84\r\nU  LAT LON DM\r\n" POINT, kSelect, 4, "トラック5", "WGS 84",
       "10-MAR-03 04:52:24", "N3546.89620 E13941.13440", "DMM"},
      {"b.gdb", "#T 奥多摩\r\n#T SOFTWARE x\r\n#D Tokyo\r\n", kSelect, 0, "奥多摩", "Tokyo", "", "", ""},
      {"a.pot", "DAT=WGS84\r\n" POT_POINT "\r\n", kSelect, 1, "POTﾄﾗｯｸ2", "WGS-84", "10-MAR-03", "35.27.39,139.36.38",
       "D'M'S"},
      // No point line: the start stays empty (no lone ",").
      {"b.pot", "DAT=TKY\r\n", kUpdate, 0, "POTﾄﾗｯｸ1", "Tokyo_mean", "", "", "D'M'S"},
      {"a.log", "\r\n03/03/10 04:52:24 N35.4653789 E139.4108064\r\n", kSelect, 0, "ログ1", "Tokyo", "03/03/10 04:52:24",
       "N35.4653789 E139.4108064", "OrbisRD"},
      {"a.rot", ";144 c\r\n145 x\r\n144001E139.36.38\tN35.27.39\r\n", kSelect, 0, "ルート1", "Tokyo", "",
       "N35.27.39 144001E139.36.38", "RouteFan"},
      {"b.rot", "14400135.27.39,139.36.38\r\n", kSelect, 0, "ルート1", "Tokyo", "", "35.27.39,139.36.38", "RouteFan"},
      {"c.rot", "145\r\n146\r\n", kSelect, 0, "ルート1", "Tokyo", "", "", "RouteFan"},
      // A "#" in the start shifts the fields after it.
      {"h.trk", "U  LAT LON DM\r\nT  N35#46 E139 x", kSelect, 0, "トラック1", "46 E139 x", "", "N35", "#DMM"},
  };
  TempDir folder;
  for (const SummaryCase& c : cases) {
    TrackSummary s = SummarizeTrack(WriteFile(folder, c.file, c.text), c.number, 7, c.kind);
    SCOPED_TRACE(c.file);
    ASSERT_EQ(s.outcome, Outcome::Shown);
    EXPECT_EQ(s.name, c.name);
    EXPECT_EQ(s.datum, c.datum);
    EXPECT_EQ(s.date, c.date);
    EXPECT_EQ(s.start, c.start);
    EXPECT_EQ(s.format, c.format);
    EXPECT_EQ(s.numberText, CString::Formatted("  No=%d/7", c.number + 1));
  }
}

TEST(SummarizeTrack, NoPathUnreadableAndHostileFiles) {
  TempDir folder;
  EXPECT_EQ(SummarizeTrack("", 0, 0, kSelect).outcome, Outcome::NoPath);
  EXPECT_EQ(SummarizeTrack(PathIn(folder, "gone.trk"), 0, 0, kSelect).outcome, Outcome::Unreadable);
  std::filesystem::create_directories(folder.path() / "dir.trk");
  EXPECT_EQ(SummarizeTrack(PathIn(folder, "dir.trk"), 0, 0, kSelect).outcome, Outcome::Unreadable);

  std::string binary(100000, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 131 % 256);
  EXPECT_EQ(SummarizeTrack(WriteFile(folder, "bin.trk", binary), 0, 1, kSelect).outcome, Outcome::Shown);
  // A long line is cut at the limit; its tail is not read as a second name line.
  CString longName = WriteFile(folder, "long.trk", "H " + std::string(300, 'n') + " H tail\r\n" POINT);
  EXPECT_EQ(SummarizeTrack(longName, 0, 1, kSelect).name, CString(std::string(197, 'n')));
  // CR alone ends no line: the whole file is one cut line.
  CString crOnly = WriteFile(folder, "cr.trk", "U  LAT LON DMS\rT  N1 E2 d t\r");
  EXPECT_EQ(SummarizeTrack(crOnly, 0, 1, kSelect).format, "DMS");
}

struct PointCase {
  const char* type;
  const char* line;
  TrackPoint point;
};

TEST(TrackPointLines, ReadersAndWritersOfEveryType) {
  const PointCase cases[] = {
      {"trk", POINT, {"3546.89620", "13941.13440", "10-MAR-03", "04:52:24", "00043", "", ""}},
      {"pot", POT_POINT, {"+35.27.39.5", "139.36.38.8", "10-MAR-03", "04:52:24", "+0043", "", ""}},
      {"pot", "ORD=POI/tex=/ido=1/kei=2/adr=1/alt=-12/col=12/pda=d/pti=t", {"1", "2", "d", "t", "-12", "", ""}},
      {"rot", "E139.36.38\tN35.27.39", {"35.27.39", "139.36.38", "", "", "", "Ⅳ", ""}},
      {"rot", "14400135.27.39,139.36.38", {"35.27.39", "139.36.38", "", "", "", "Ⅰ", "144001"}},
      {"log", "03/03/10 04:52:24 N35.4653789 E139.4108064", {"35.4653789", "139.4108064", "03/03/10", "04:52:24", "", "", ""}},
  };
  for (const PointCase& c : cases) {
    SCOPED_TRACE(c.line);
    TrackPoint point = ReadTrackPoint(c.type, c.line);
    EXPECT_EQ(point, c.point);
    EXPECT_EQ(WriteTrackPoint(c.type, point), c.line);
    EXPECT_EQ(RewriteTrackPoint(c.type, point, point), "");
  }
  // The "pot" writer adds a "+" only to an altitude without a sign.
  TrackPoint edited = ReadTrackPoint("pot", POT_POINT);
  edited.altitude = "43";
  EXPECT_EQ(ReadTrackPoint("pot", RewriteTrackPoint("pot", ReadTrackPoint("pot", POT_POINT), edited)).altitude, "+43");
  // Up to nine blanks before a "trk" altitude are skipped; ten mean none.
  EXPECT_EQ(ReadTrackPoint("trk", "T  N1 E2 d t " + std::string(9, ' ') + "7 x").altitude, "7");
  EXPECT_EQ(ReadTrackPoint("trk", "T  N1 E2 d t " + std::string(10, ' ') + "7").altitude, "");
  EXPECT_EQ(ReadTrackPoint("trk", "T  N35").longitude, "");
  EXPECT_EQ(ReadTrackPoint("log", "03/03").time, "");
  EXPECT_EQ(ReadTrackPoint("pot", "no marker"), TrackPoint{});
  EXPECT_EQ(WriteTrackPoint("gdb", edited), "");
}

TEST(TrackPointLines, EditorLabels) {
  auto labels = [](const char* type, int code) {
    PointEditorLabels l = PointEditorLabelsFor(type, code);
    return l.fileLabel.str() + "/" + l.notationLabel.str();
  };
  EXPECT_EQ(labels("trk", 0), CString("書式:TRK/形式:DMS").str());
  EXPECT_EQ(labels("trk", 1), CString("書式:TRK/形式:DEG").str());
  EXPECT_EQ(labels("pot", 2), CString("書式:POT/形式:DM").str());
  EXPECT_EQ(labels("pot", 4), CString("書式:POT/D'M'S").str());
  EXPECT_EQ(labels("pot", 3), CString("書式:POT/形式:DMS").str());
  EXPECT_EQ(labels("rot", 1), "RouteFan/");
  EXPECT_EQ(labels("log", 1), "KartPro/");
  EXPECT_EQ(labels("gdb", 1), CString("書式:TRK/形式:DMS").str());
}

}  // namespace
}  // namespace topodlg
