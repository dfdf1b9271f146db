#include "dialogs/tables/point_records.h"

#include <initializer_list>

#include "platform/text_file.h"

namespace topodlg {
namespace {

bool ContainsAny(const CString& lowerText, std::initializer_list<const char*> parts) {
  for (const char* part : parts) {
    if (lowerText.Find(part) >= 0) return true;
  }
  return false;
}

constexpr std::initializer_list<const char*> kImageMarks = {".bmp", ".jpg", ".gif", ".pcd", ".pic"};
constexpr std::initializer_list<const char*> kWebMarks = {".htm", "http:"};

// Byte index just after the blank that ends field `n`, or -1 when there is none.
int AfterField(const CString& line, int n) {
  int at = 0;
  for (int i = 0; i <= n; ++i) {
    const int blank = line.Find(' ', at);
    if (blank < 0) return -1;
    at = blank + 1;
  }
  return at;
}

bool Inside(const CString& value, const CString& lowest, const CString& highest) {
  return value.Compare(lowest.c_str()) >= 0 && value.Compare(highest.c_str()) <= 0;
}

}  // namespace

CString PointRecordField(const CString& line, int n) {
  const int start = n == 0 ? 0 : AfterField(line, n - 1);
  if (start < 0) return {};
  const int blank = line.Find(' ', start);
  return blank < 0 ? line.Mid(start) : line.Mid(start, blank - start);
}

std::vector<CString> ReadPointRecords(const CString& path, const PointBounds& bounds, PointRecordKind kind) {
  std::vector<CString> records;
  if (path.IsEmpty()) return records;
  LineReader reader(path);
  CString line;
  while (records.size() < kPointRecordCapacity && reader.ReadLineCut(line, kPointLineLimit)) {
    if (line.IsEmpty() || line[0] == ';') continue;
    const int rest = AfterField(line, 2);
    if (rest < 0) continue;
    if (!Inside(PointRecordField(line, 1), bounds.lowest1, bounds.highest1)) continue;
    if (!Inside(PointRecordField(line, 2), bounds.lowest2, bounds.highest2)) continue;
    if (kind == PointRecordKind::WebPage && !ContainsAny(ToAsciiLower(line.Mid(rest)), kWebMarks)) continue;
    records.push_back(line);
  }
  return records;
}

bool IsImageRecord(const CString& line) { return ContainsAny(ToAsciiLower(line), kImageMarks); }

bool IsTextRecord(const CString& line) {
  const CString lower = ToAsciiLower(line);
  return !ContainsAny(lower, kImageMarks) && !ContainsAny(lower, {".alb", ".htm", "http:"});
}

bool IsWebPageRecord(const CString& line) { return ContainsAny(ToAsciiLower(line), kWebMarks); }

bool IsTableRecord(const CString& line) { return ToAsciiLower(line).Find(".csv") >= 0; }

CString PointListItem(const CString& line) { return ToAsciiLower(PointRecordField(line, 0)); }

}  // namespace topodlg
