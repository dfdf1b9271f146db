#include "dialogs/clips/guide_book_files.h"

#include "platform/text_file.h"

namespace topodlg {

CString GuideIndexName(int group) { return CString::Formatted("SCENARIO\\Scnr%02d.dat", group); }

std::vector<GuideIndexEntry> ReadGuideIndex(const CString& indexPath) {
  std::vector<GuideIndexEntry> entries;
  LineReader reader(indexPath);
  CString line;
  while (entries.size() < kGuideTitleCapacity && reader.ReadLineCut(line, kGuideLineLimit)) {
    const int blank = line.Find(' ');
    if (line.IsEmpty() || blank < 0) break;
    entries.push_back({line.Left(blank), line.Mid(blank + 1)});
  }
  return entries;
}

std::optional<CString> ReadGuideKeyLine(const CString& dataPath) {
  LineReader reader(dataPath);
  std::optional<CString> key;
  CString line;
  while (reader.ReadLineCut(line, kGuideLineLimit)) {
    if (line.IsEmpty()) break;
    key = line;
    if (line.Find(' ') < 0) break;
  }
  return key;
}

}  // namespace topodlg
