// GPS track and point files as the track dialogs read them: the track type told
// from a path, the header scan, the track summary the dialogs show, and the point
// lines the point coordinate editor reads and writes back. No user interface here.
//
// The library does no coordinate arithmetic: latitudes, longitudes, dates, times
// and altitudes stay text from reading to writing, and a datum is only a label.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// Every GPS text line is read with this byte limit. A longer line reads as its
// first 199 bytes and the rest of it is skipped: a tail is never taken for a
// line of its own (a second name line, a false point line).
constexpr int kGpsLineLimit = 199;

// The two track dialogs tell a file's type from its path slightly differently:
// the selection dialog knows "gdb" files, tests "rot" before "log" and renames
// "system" header names; the update dialog does none of that.
enum class TrackDialogKind { Select, Update };

// Type of a track file and the defaults that its header may replace.
struct TrackDefaults {
  CString type;    // "trk", "gdb", "pot", "rot", "log" or ""
  CString format;  // coordinate format label
  CString name;    // default name: type prefix + (number + 1)
  CString datum;
};

// The substring tests run on the lower-cased path, folder names included, so
// D:\catalog\a.trk is a "log" file for the selection dialog.
TrackDefaults TrackDefaultsForPath(const CString& lowerPath, int number, TrackDialogKind kind);

// What the header scan found; datum, name and format hold the caller's defaults
// where the file says nothing.
struct TrackHeader {
  CString start;  // the first point line from the point's own text on, or ""
  CString datum;
  CString name;
  CString format;
  // The first non-empty line of a "log" file; its first 17 bytes are the date
  // and time of the first point.
  CString firstLogLine;
};

// Reads header lines up to and including the first point line, never further,
// so the cost does not grow with the file. A file that cannot be opened gives
// the defaults.
TrackHeader ScanTrackHeaderFields(const CString& path, const CString& type, const CString& datum,
                                  const CString& name, const CString& format);
// The header summary: start + "#" + datum + "#" + name + "#" + format.
CString ScanTrackHeader(const CString& path, const CString& type, const CString& datum,
                        const CString& name, const CString& format);

// The track summary of one file, as the track dialogs show it.
struct TrackSummary {
  enum class Outcome {
    NoPath,      // the current path is "": nothing is shown or changed
    Unreadable,  // the file cannot be opened: the dialog clears its current path
    Shown,       // every field below holds the file's summary
  };
  Outcome outcome = Outcome::NoPath;
  CString name, datum, date, start, format, type;
  CString numberText;  // "  No=%d/%d"
};

// number is the track's number as the dialog knows it (index in the track table
// or number in the displayed-track list); tableCount the entries of the table.
TrackSummary SummarizeTrack(const CString& path, int number, int tableCount, TrackDialogKind kind);

// One point of a track file as the point coordinate editor edits it.
struct TrackPoint {
  CString latitude, longitude, date, time, altitude;
  CString variant;  // "rot" only: "Ⅰ" (prefix, latitude, longitude) or "Ⅳ" (E..TAB N..)
  CString prefix;   // "rot" variant "Ⅰ" only: the first 6 bytes of the line

  friend bool operator==(const TrackPoint&, const TrackPoint&) = default;
};

// Point lines of the types "trk", "pot", "rot" and "log"; any other type reads
// as an empty point and writes "".
TrackPoint ReadTrackPoint(const CString& type, const CString& line);
CString WriteTrackPoint(const CString& type, const TrackPoint& point);
// The line to write back after an edit: "" when no field was changed.
CString RewriteTrackPoint(const CString& type, const TrackPoint& read, const TrackPoint& edited);

// Labels of the point coordinate editor: the file's format, and the coordinate
// notation chosen by the host's code ("" for "rot" and "log"). Any other type
// reads "書式:TRK" and "形式:DMS" whatever the code.
struct PointEditorLabels {
  CString fileLabel;
  CString notationLabel;
};
PointEditorLabels PointEditorLabelsFor(const CString& type, int notationCode);

}  // namespace topodlg
