#include "dialogs/clips/clip_list_file.h"

#include "platform/text_file.h"

namespace topodlg {
namespace {

bool IsClipRecord(const CString& line) { return !line.IsEmpty() && line[0] != ';'; }

}  // namespace

std::array<CString, kClipGroupCount> ClipGroupPaths(const CString& group0Path) {
  std::array<CString, kClipGroupCount> paths;
  paths[0] = group0Path;
  const int cut = group0Path.Find("0.");
  if (cut < 0) return paths;
  for (int k = 1; k < kClipGroupCount; ++k) paths[k] = group0Path.Left(cut) + CString::Formatted("%d.dat", k);
  return paths;
}

std::vector<CString> ReadClipRecords(const CString& path) {
  std::vector<CString> records;
  if (path.IsEmpty()) return records;
  LineReader reader(path);
  CString line;
  while (reader.ReadLineCut(line, kClipLineLimit)) {
    if (IsClipRecord(line)) records.push_back(line);
  }
  return records;
}

std::optional<CString> ReadClipRecordAt(const CString& path, int position) {
  if (path.IsEmpty() || position < 0) return std::nullopt;
  LineReader reader(path);
  CString line;
  int seen = 0;
  while (reader.ReadLineCut(line, kClipLineLimit)) {
    if (!IsClipRecord(line)) continue;
    if (seen++ == position) return line;
  }
  return std::nullopt;
}

CString ClipRecordTitle(const CString& line) {
  const int blank = line.Find(' ');
  return blank < 0 ? CString() : line.Left(blank);
}

ClipFields SplitClipRecord(const CString& line) {
  ClipFields fields;
  CString rest = line;
  for (int i = 0; i < kClipFieldCount - 1; ++i) {
    const int blank = rest.Find(' ');
    if (blank < 0) break;
    fields[i] = rest.Left(blank);
    rest = rest.Mid(blank + 1);
  }
  fields[kClipFieldCount - 1] = rest;
  return fields;
}

}  // namespace topodlg
