// Point record lines: the registered points of a text and image data file or of
// the statistics file list, as the registered point list reads and sorts them.
// Fields are separated by single blanks: 0 the point name, 1 and 2 the two
// coordinates, 3 a note, then file names and addresses. No user interface here.
#pragma once

#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Every record line is read with this byte limit; a longer line counts as its
// first 799 bytes and the rest of it is skipped.
constexpr int kPointLineLimit = 799;
// A page holds 3000 lines: at most 2999 records and the end marker.
constexpr int kPointRecordCapacity = 2999;
// The statistics file list, relative to the data directory.
inline constexpr const char* kStatisticsListName = "MAPELMNT\\STTSTCS.DAT";

// Which lines a page reads: every point inside the bounds, or only the web
// page lines among them. (The numbers are the page kinds of the point list.)
enum class PointRecordKind { TextImage = 0, Table = 1, WebPage = 2 };

// The accepted ranges of fields 1 and 2, both ends included. They compare as
// byte strings, so the host passes them in the fixed format of the coordinates.
struct PointBounds {
  CString lowest2, lowest1, highest2, highest1;
};

// Field `n` (0..3) of a record line: the text before the next blank, the last
// one to the end of the line; "" when the line has fewer fields.
CString PointRecordField(const CString& line, int n);

// Reads the record lines of one page from `path` ("" reads nothing): lines with
// a blank after field 2 whose coordinates lie inside the bounds, comments and
// empty lines skipped; the web page kind keeps only lines whose text after
// field 2 names a web page. At most 2999 lines, then reading stops.
std::vector<CString> ReadPointRecords(const CString& path, const PointBounds& bounds, PointRecordKind kind);

// The text and image page and the web page page read the same file: one pass
// gives both, each exactly as ReadPointRecords gives it for its kind.
struct PointRecordSets {
  std::vector<CString> textImage;
  std::vector<CString> webPages;
};
PointRecordSets ReadTextImageRecords(const CString& path, const PointBounds& bounds);

// The sorting rules of the pages, on the whole line with ASCII letters lowered.
bool IsImageRecord(const CString& line);   // ".bmp" ".jpg" ".gif" ".pcd" ".pic"
bool IsTextRecord(const CString& line);    // none of those, nor ".alb" ".htm" "http:"
bool IsWebPageRecord(const CString& line); // ".htm" or "http:"
bool IsTableRecord(const CString& line);   // ".csv"

// The text a list shows for a record: field 0 with ASCII letters lowered.
CString PointListItem(const CString& line);

}  // namespace topodlg
