#include "dialogs/tables/point_records.h"

#include <initializer_list>
#include <string_view>

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
int AfterField(std::string_view line, int n) {
  size_t at = 0;
  for (int i = 0; i <= n; ++i) {
    const size_t blank = line.find(' ', at);
    if (blank == std::string_view::npos) return -1;
    at = blank + 1;
  }
  return static_cast<int>(at);
}

// A blank (0x20) is never the second byte of a double-byte character, so the
// fields of a record split at blank bytes (a stray lead byte before a blank does
// not hide it); the test of every line read stays free of copies.
bool Inside(std::string_view value, const CString& lowest, const CString& highest) {
  return value.compare(lowest.view()) >= 0 && value.compare(highest.view()) <= 0;
}

// Where the text after field 2 starts when the line is a point inside the
// bounds; -1 for a comment, an empty line, a line without a blank after field 2
// or a point outside.
int InsideAt(std::string_view line, const PointBounds& bounds) {
  if (line.empty() || line[0] == ';') return -1;
  const size_t end0 = line.find(' ');
  if (end0 == std::string_view::npos) return -1;
  const size_t end1 = line.find(' ', end0 + 1);
  if (end1 == std::string_view::npos) return -1;
  const size_t end2 = line.find(' ', end1 + 1);
  if (end2 == std::string_view::npos) return -1;
  if (!Inside(line.substr(end0 + 1, end1 - end0 - 1), bounds.lowest1, bounds.highest1)) return -1;
  if (!Inside(line.substr(end1 + 1, end2 - end1 - 1), bounds.lowest2, bounds.highest2)) return -1;
  return static_cast<int>(end2 + 1);
}

bool NamesWebPage(const CString& text) { return ContainsAny(ToAsciiLower(text), kWebMarks); }

}  // namespace

CString PointRecordField(const CString& line, int n) {
  const std::string_view bytes = line.view();
  const int start = n == 0 ? 0 : AfterField(bytes, n - 1);
  if (start < 0) return {};
  const size_t from = static_cast<size_t>(start);
  const size_t blank = bytes.find(' ', from);
  return CString(bytes.substr(from, blank == std::string_view::npos ? blank : blank - from));
}

PointRecordSets ReadTextImageRecords(const CString& path, const PointBounds& bounds) {
  PointRecordSets sets;
  if (path.IsEmpty()) return sets;
  LineReader reader(path);
  CString line;
  const auto full = [](const std::vector<CString>& v) { return v.size() >= kPointRecordCapacity; };
  while (!(full(sets.textImage) && full(sets.webPages)) && reader.ReadLineCut(line, kPointLineLimit)) {
    const int rest = InsideAt(line.view(), bounds);
    if (rest < 0) continue;
    if (!full(sets.textImage)) sets.textImage.push_back(line);
    if (!full(sets.webPages) && NamesWebPage(line.Mid(rest))) sets.webPages.push_back(line);
  }
  return sets;
}

std::vector<CString> ReadPointRecords(const CString& path, const PointBounds& bounds, PointRecordKind kind) {
  if (kind == PointRecordKind::WebPage) return ReadTextImageRecords(path, bounds).webPages;
  std::vector<CString> records;
  if (path.IsEmpty()) return records;
  LineReader reader(path);
  CString line;
  while (records.size() < kPointRecordCapacity && reader.ReadLineCut(line, kPointLineLimit)) {
    if (InsideAt(line.view(), bounds) >= 0) records.push_back(line);
  }
  return records;
}

bool IsImageRecord(const CString& line) { return ContainsAny(ToAsciiLower(line), kImageMarks); }

bool IsTextRecord(const CString& line) {
  const CString lower = ToAsciiLower(line);
  return !ContainsAny(lower, kImageMarks) && !ContainsAny(lower, {".alb", ".htm", "http:"});
}

bool IsWebPageRecord(const CString& line) { return NamesWebPage(line); }

bool IsTableRecord(const CString& line) { return ToAsciiLower(line).Find(".csv") >= 0; }

CString PointListItem(const CString& line) { return ToAsciiLower(PointRecordField(line, 0)); }

}  // namespace topodlg
