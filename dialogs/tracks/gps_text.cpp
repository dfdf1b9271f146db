#include "dialogs/tracks/gps_text.h"

#include <array>

#include "platform/text_file.h"

namespace topodlg {
namespace {

bool Contains(const CString& text, const char* part) { return text.Find(part) >= 0; }

// The number shown for a track: number + 1 in 32-bit arithmetic. The host may
// pass any displayed-track number; the largest one wraps as it always has.
int Shown(int number) { return static_cast<int>(static_cast<unsigned>(number) + 1u); }

// The text from `from` up to (not including) the next `stop` at or after it,
// or to the end when there is none. `next` is set past that stop, or to the
// length when the text ran out.
CString TakeUntil(const CString& text, int from, char stop, int* next = nullptr) {
  from = text.NextBoundary(from < 0 ? 0 : from);
  int end = text.Find(stop, from);
  if (end < 0) {
    if (next) *next = text.GetLength();
    return text.Mid(from);
  }
  if (next) *next = end + 1;
  return text.Mid(from, end - from);
}

// One row of the path tests: the type it sets and, for the last three rows,
// the defaults of that type.
struct PathRow {
  const char* needle;
  const char* type;
  const char* format;      // nullptr: leaves the format as it is
  const char* namePrefix;  // nullptr: leaves the name as it is
  const char* datum;       // nullptr: leaves the datum as it is
};

constexpr PathRow kRot{"rot", "rot", nullptr, nullptr, nullptr};
constexpr PathRow kLog{"log", "log", nullptr, nullptr, nullptr};
constexpr PathRow kTrk{"trk", "trk", nullptr, nullptr, nullptr};
constexpr PathRow kGdb{"gdb", "gdb", nullptr, nullptr, nullptr};
constexpr PathRow kPotDefaults{"pot", "pot", "D'M'S", "POTﾄﾗｯｸ", nullptr};
constexpr PathRow kRotDefaults{"rot", "rot", "RouteFan", "ルート", "Tokyo"};
constexpr PathRow kLogDefaults{"log", "log", "OrbisRD", "ログ", "Tokyo"};

// Later hits override earlier ones, so the order decides the type of a path
// that holds several of the words.
constexpr std::array<PathRow, 7> kSelectRows{kRot, kLog, kTrk, kGdb, kPotDefaults, kRotDefaults, kLogDefaults};
constexpr std::array<PathRow, 6> kUpdateRows{kRot, kLog, kTrk, kPotDefaults, kLogDefaults, kRotDefaults};

template <size_t N>
void ApplyPathRows(const std::array<PathRow, N>& rows, const CString& lowerPath, int number,
                   TrackDefaults& out) {
  for (const PathRow& row : rows) {
    if (!Contains(lowerPath, row.needle)) continue;
    out.type = row.type;
    if (row.format) out.format = row.format;
    if (row.namePrefix) out.name = CString::Formatted("%s%d", row.namePrefix, Shown(number));
    if (row.datum) out.datum = row.datum;
  }
}

// The header lines of "trk", "gdb" and "pot" files; true when `line` was the
// first point line and reading stops.
bool ScanHeaderLine(const CString& type, const CString& line, TrackHeader& header) {
  if (type == "pot" && Contains(line, "DAT=")) {
    header.datum = Contains(line, "WGS") ? "WGS-84" : "Tokyo_mean";
    return false;
  }
  if (type == "pot" && Contains(line, "ORD=POI")) {
    header.start = line.Mid(18);
    return true;
  }
  if (Contains(line, "LATITUDE") && Contains(line, "LONGITUDE")) return false;  // column heading
  if (Contains(line, "U  LAT LON")) {
    if (Contains(line, "DMS")) {
      header.format = "DMS";
    } else if (Contains(line, "DM")) {
      header.format = "DMM";
    }
    if (Contains(line, "U  LAT LON DEG")) {
      header.format = "DEG";
      return false;
    }
  }
  if (type == "trk" && Contains(line, "H ")) {
    // Section headings name the datum or the columns; any other "H " line names
    // the track, and the last one wins.
    if (!Contains(line, "DATUM") && !Contains(line, "LATITUDE")) header.name = line.Mid(2);
    return false;
  }
  if (type == "trk" && Contains(line, "M  G ")) {
    header.datum = TakeUntil(line, 5, ' ');
    return false;
  }
  if (type == "gdb" && Contains(line, "#T")) {
    if (!Contains(line, "GPSトラック") && !Contains(line, "SOFTWARE")) header.name = line.Mid(3);
  }
  if (type == "gdb" && Contains(line, "#D ")) {
    header.datum = line.Mid(3);
    return false;
  }
  if (Contains(line, "T  N")) {
    header.start = line.Mid(3);
    return true;
  }
  return false;
}

// Route files: comment lines begin with ";", the first point line with "144".
// A point with an "N" reads as the text from that "N" on, a blank, then what
// stood before the separator in front of the "N".
bool ScanRouteLine(const CString& line, TrackHeader& header) {
  if (line.GetAt(0) == ';' || line.Left(3) != "144") return false;
  int north = line.Find('N');
  header.start = north >= 0 ? line.Mid(north) + " " + line.Left(north - 1) : line.Mid(6);
  return true;
}

CString FileNameWithoutExtension(const CString& path) {
  // Both separators count: host-form paths use "/".
  int cut = -1;
  for (int i = 0; i < path.GetLength(); i = path.NextBoundary(i + 1)) {
    if (path[i] == '\\' || path[i] == '/') cut = i;
  }
  CString fileName = path.Mid(cut + 1);
  int dot = fileName.Find('.');
  return dot < 0 ? CString() : fileName.Left(dot);
}

// Date and start of the first point, by type and coordinate format.
void SplitDateAndStart(TrackSummary& summary) {
  const CString& type = summary.type;
  const CString& format = summary.format;
  CString& start = summary.start;
  summary.date = "";
  int split = -1;
  if (type != "rot" && type != "log" && type != "pot") {
    int east = start.Find('E');
    if (east >= 0) split = start.Find(' ', east);
  }
  if (format == "DMS" || format == "DMM" || format == "DEG") {
    summary.date = start.Mid(split + 1, 18);
    start = start.Left(split);
  } else if (format == "D'M'S" && !start.IsEmpty()) {
    // An empty start stays empty, so the update dialog writes its placeholder
    // for a file without a point line instead of a lone ",".
    summary.date = start.Mid(54, 9);
    start = start.Left(8) + "," + start.Mid(15, 9);
  }
}

}  // namespace

TrackDefaults TrackDefaultsForPath(const CString& lowerPath, int number, TrackDialogKind kind) {
  TrackDefaults out;
  if (kind == TrackDialogKind::Select) {
    ApplyPathRows(kSelectRows, lowerPath, number, out);
  } else {
    ApplyPathRows(kUpdateRows, lowerPath, number, out);
  }
  return out;
}

TrackHeader ScanTrackHeaderFields(const CString& path, const CString& type, const CString& datum,
                                  const CString& name, const CString& format) {
  TrackHeader header{"", datum, name, format, ""};
  LineReader reader(path);
  CString line;
  while (reader.IsOpen() && reader.ReadLineCut(line, kGpsLineLimit)) {
    if (line.IsEmpty()) continue;
    bool stop = false;
    if (type == "rot") {
      stop = ScanRouteLine(line, header);
    } else if (type == "log") {
      header.firstLogLine = line;
      header.start = line.Mid(18);
      stop = true;
    } else {
      stop = ScanHeaderLine(type, line, header);
    }
    if (stop) break;
  }
  return header;
}

CString ScanTrackHeader(const CString& path, const CString& type, const CString& datum,
                        const CString& name, const CString& format) {
  TrackHeader header = ScanTrackHeaderFields(path, type, datum, name, format);
  return header.start + "#" + header.datum + "#" + header.name + "#" + header.format;
}

TrackSummary SummarizeTrack(const CString& path, int number, int tableCount, TrackDialogKind kind) {
  TrackSummary summary;
  CString lowerPath = ToLower(path);
  if (lowerPath.IsEmpty()) return summary;
  if (!LineReader(lowerPath).IsOpen()) {
    summary.outcome = TrackSummary::Outcome::Unreadable;
    return summary;
  }
  summary.outcome = TrackSummary::Outcome::Shown;

  TrackDefaults defaults = TrackDefaultsForPath(lowerPath, number, kind);
  summary.type = defaults.type;
  TrackHeader header =
      ScanTrackHeaderFields(lowerPath, defaults.type, defaults.datum, defaults.name, defaults.format);

  // The summary travels as one "#"-joined text: a "#" inside the start shifts
  // the fields after it, as it always has.
  CString joined = header.start + "#" + header.datum + "#" + header.name + "#" + header.format;
  int first = joined.Find('#');
  int second = joined.Find('#', first + 1);
  int third = joined.Find('#', second + 1);
  summary.start = joined.Left(first);
  summary.datum = joined.Mid(first + 1, second - first - 1);
  summary.name = joined.Mid(second + 1, third - second - 1);
  summary.format = joined.Mid(third + 1);

  if (kind == TrackDialogKind::Select && Contains(ToLower(summary.name), "system")) {
    // A "trk" header whose last "H " line is the coordinate system heading
    // carries no name of its own: the file name stands in for it.
    summary.name = FileNameWithoutExtension(lowerPath);
  }
  if (summary.name.IsEmpty()) summary.name = CString::Formatted("トラック%d", Shown(number));

  SplitDateAndStart(summary);
  if (summary.type == "log" && summary.date.IsEmpty()) {
    // A log line begins with the point's date and time ("03/03/10 04:52:24").
    summary.date = header.firstLogLine.Left(17);
  }
  summary.numberText = CString::Formatted("  No=%d/%d", Shown(number), tableCount);
  return summary;
}

TrackPoint ReadTrackPoint(const CString& type, const CString& line) {
  TrackPoint point;
  if (type == "trk") {
    int next = 0;
    point.latitude = TakeUntil(line, line.Find('N') + 1, ' ', &next);
    CString rest = line.Mid(next);
    point.longitude = TakeUntil(rest, rest.Find('E') + 1, ' ', &next);
    rest = rest.Mid(next);
    point.date = TakeUntil(rest, 0, ' ', &next);
    rest = rest.Mid(next);
    point.time = TakeUntil(rest, 0, ' ', &next);
    rest = rest.Mid(next);
    int skip = 0;
    while (skip < 10 && rest.GetAt(skip) == ' ') ++skip;
    if (skip < 10) point.altitude = TakeUntil(rest, skip, ' ');
  } else if (type == "pot") {
    int ido = line.Find("ido");
    if (ido < 0) return point;
    int next = 0;
    point.latitude = TakeUntil(line, ido + 4, '/', &next);
    point.longitude = TakeUntil(line, next + 4, '/', &next);
    CString rest = line.Mid(next);
    int alt = rest.Find("alt=");
    if (alt >= 0) point.altitude = TakeUntil(rest, alt + 4, '/', &next);
    int pda = rest.Find("pda=", alt >= 0 ? next : 0);
    if (pda >= 0) {
      point.date = TakeUntil(rest, pda + 4, '/', &next);
      if (next < rest.GetLength()) point.time = TakeUntil(rest, next + 4, ' ');
    }
  } else if (type == "rot") {
    if (line.Find('E') >= 0) {
      point.variant = "Ⅳ";
      point.longitude = TakeUntil(line, 0, '\t').Mid(1);
      int north = line.Find('N');
      if (north >= 0) point.latitude = line.Mid(north + 1);
    } else {
      point.variant = "Ⅰ";
      point.prefix = line.Left(6);
      point.latitude = line.Mid(6, 8);
      point.longitude = line.Mid(15);
    }
  } else if (type == "log") {
    point.date = line.Mid(0, 8);
    point.time = line.Mid(9, 8);
    point.latitude = line.Mid(19, 10);
    point.longitude = line.Mid(31, 11);
  }
  return point;
}

CString WriteTrackPoint(const CString& type, const TrackPoint& p) {
  if (type == "trk") {
    return "T  N" + p.latitude + " E" + p.longitude + " " + p.date + " " + p.time + " " + p.altitude;
  }
  if (type == "pot") {
    // The reader keeps the altitude's sign; "+" is added only when it has none,
    // so a rewritten line carries exactly one sign.
    char sign = p.altitude.GetAt(0);
    const char* plus = (sign == '+' || sign == '-') ? "" : "+";
    return "ORD=POI/tex=/ido=" + p.latitude + "/kei=" + p.longitude + "/adr=1/alt=" + plus +
           p.altitude + "/col=12/pda=" + p.date + "/pti=" + p.time;
  }
  if (type == "rot") {
    if (p.variant == "Ⅳ") return "E" + p.longitude + "\tN" + p.latitude;
    return p.prefix + p.latitude + "," + p.longitude;
  }
  if (type == "log") return p.date + " " + p.time + " N" + p.latitude + " E" + p.longitude;
  return CString();
}

CString RewriteTrackPoint(const CString& type, const TrackPoint& read, const TrackPoint& edited) {
  bool changed = read.latitude != edited.latitude || read.longitude != edited.longitude ||
                 read.date != edited.date || read.time != edited.time ||
                 read.altitude != edited.altitude;
  return changed ? WriteTrackPoint(type, edited) : CString();
}

PointEditorLabels PointEditorLabelsFor(const CString& type, int notationCode) {
  if (type == "rot") return {"RouteFan", ""};
  if (type == "log") return {"KartPro", ""};
  // A type the editor cannot read is shown as a "trk" file in its default notation.
  if (type != "trk" && type != "pot") return {"書式:TRK", "形式:DMS"};
  PointEditorLabels labels;
  labels.fileLabel = type == "pot" ? "書式:POT" : "書式:TRK";
  switch (notationCode) {
    case 1: labels.notationLabel = "形式:DEG"; break;
    case 2: labels.notationLabel = "形式:DM"; break;
    case 4: labels.notationLabel = "D'M'S"; break;
    default: labels.notationLabel = "形式:DMS"; break;
  }
  return labels;
}

}  // namespace topodlg
