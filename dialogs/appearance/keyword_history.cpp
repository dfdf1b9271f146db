#include "dialogs/appearance/keyword_history.h"

#include <algorithm>

#include "platform/text_file.h"

namespace topodlg {
namespace {

std::vector<CString> ReadNonEmptyLines(const CString& path, int limit, int capacity) {
  std::vector<CString> lines;
  LineReader reader(path);
  CString line;
  while (static_cast<int>(lines.size()) < capacity && reader.ReadLineCut(line, limit)) {
    if (!line.IsEmpty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace

CString KeywordHistoryPath(const CString& dataDirectory) { return dataDirectory + "TEMP\\KEYWORD.TXT"; }

std::vector<CString> ReadKeywordList(const CString& historyPath) {
  return ReadNonEmptyLines(historyPath, kKeywordListLineLimit, kKeywordListCapacity);
}

KeywordUpdate UpdateKeywordHistory(const CString& historyPath, const CString& keyword) {
  std::vector<CString> lines = ReadNonEmptyLines(historyPath, kKeywordHistoryLineLimit, kKeywordHistoryCapacity);
  if (std::find(lines.begin(), lines.end(), keyword) != lines.end()) return KeywordUpdate::Known;
  if (static_cast<int>(lines.size()) >= kKeywordHistoryCapacity) lines.resize(kKeywordHistoryCapacity - 1);
  lines.insert(lines.begin(), keyword);
  return WriteLinesCrLf(historyPath, lines) ? KeywordUpdate::Written : KeywordUpdate::WriteFailed;
}

}  // namespace topodlg
