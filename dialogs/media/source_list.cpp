#include "dialogs/media/source_list.h"

#include <string_view>

#include "platform/text_file.h"

namespace topodlg {
namespace {

// The text without its last `count` characters (a double-byte character counts
// once), or "" when it has no more.
CString DropLastCharacters(const CString& text, int count) {
  std::vector<int> starts;
  for (int i = 0; i < text.GetLength();) {
    starts.push_back(i);
    i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.GetLength() ? 2 : 1;
  }
  const int kept = static_cast<int>(starts.size()) - count;
  return kept <= 0 ? CString() : text.Left(starts[static_cast<size_t>(kept)]);
}

// Where the last occurrence of `sub` that starts on a character starts, or -1;
// one pass, however long the text.
int FindLast(const CString& text, std::string_view sub) {
  const std::string_view bytes = text.view();
  int found = -1;
  for (size_t i = 0; i < bytes.size();) {
    if (bytes.substr(i, sub.size()) == sub) found = static_cast<int>(i);
    i += IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
  }
  return found;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the line holds "Source<n>" not followed by a further digit.
bool NamesSource(const CString& line, int n) {
  const CString key = CString::Formatted("Source%d", n);
  for (int at = line.Find(key); at >= 0; at = line.Find(key, at + 1)) {
    if (!IsDigit(line.GetAt(at + key.GetLength()))) return true;
  }
  return false;
}

}  // namespace

std::vector<CString> ReadBinderSources(const CString& binderPath) {
  std::vector<CString> names;
  LineReader reader(binderPath);
  CString line;
  while (static_cast<int>(names.size()) < kBinderMaxNames && reader.ReadLineCut(line, kSourceLineLimit) &&
         !line.IsEmpty()) {
    names.push_back(line);
  }
  return names;
}

std::vector<CString> ReadIniSources(const CString& iniPath) {
  std::vector<CString> names;
  LineReader reader(iniPath);
  CString line;
  bool inSection = false;
  while (reader.ReadLineCut(line, kSourceLineLimit)) {
    if (line.Find("[SourceFile]") >= 0) {
      inSection = true;
      break;
    }
  }
  if (!inSection) return names;
  for (int n = 1; n <= kIniMaxSource && reader.ReadLineCut(line, kSourceLineLimit) && !line.IsEmpty(); ++n) {
    const int equals = line.Find('=');
    if (equals >= 0 && NamesSource(line, n)) names.push_back(line.Mid(equals + 1));
  }
  return names;
}

bool IsTrek55(const CString& programPath) { return programPath.Find("trek55") >= 0; }

CString ProductFolderForList(const CString& programPath) {
  const CString upToDot = programPath.Left(programPath.ReverseFind('.'));
  return DropLastCharacters(upToDot, programPath.Find("terranov") >= 0 ? 8 : 7);
}

CString ProductFolderForSource(const CString& programPath) {
  const CString upToDot = programPath.Left(programPath.Find('.'));
  int nameLength = 7;
  if (IsTrek55(programPath)) {
    nameLength = 6;
  } else if (programPath.Find("terranov") >= 0) {
    nameLength = 8;
  }
  return DropLastCharacters(upToDot, nameLength);
}

CString SourceFilePath(const CString& productFolder, int source) {
  if (source == 0) return productFolder + "SOURCE\\HISTORY.DAT";
  return productFolder + "SOURCE\\" + CString::Formatted("SOURCE%d.DAT", source);
}

int SourceNumberOf(const CString& sourceFile) {
  const CString lower = ToLower(sourceFile);
  if (lower.Find("history.dat") >= 0) return 0;
  const int dat = FindLast(lower, ".dat");
  int first = dat;
  while (first > 0 && IsDigit(lower.GetAt(first - 1))) --first;
  if (dat < 0 || first == dat) return -1;
  return Atoi(lower.Mid(first, dat - first));
}

}  // namespace topodlg
