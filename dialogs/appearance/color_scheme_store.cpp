#include "dialogs/appearance/color_scheme_store.h"

#include <utility>

#include "platform/text_file.h"

namespace topodlg {

namespace {

// The renames of one deletion, so that a failed step can put every file back.
class RenameJournal {
 public:
  // Refuses to replace an existing file: the target may be another scheme's.
  bool Rename(const CString& from, const CString& to) {
    if (!FileExists(from) || FileExists(to) || !RenameFile(from, to)) return false;
    m_done.emplace_back(from, to);
    return true;
  }
  void Undo() {
    for (auto it = m_done.rbegin(); it != m_done.rend(); ++it) RenameFile(it->second, it->first);
    m_done.clear();
  }

 private:
  std::vector<std::pair<CString, CString>> m_done;
};

// Where the deleted file waits until the index is rewritten.
CString AsideName(const CString& path) {
  CString aside = path + "~";
  for (int n = 1; n < 100 && FileExists(aside); ++n) aside = path + CString::Formatted("~%d", n);
  return aside;
}

// Adds a line at the end of the index, creating it when it is missing. An index
// whose last line was left without a line break (edited by hand) gets one first,
// so the new scheme never runs into the name of the last one.
bool AppendIndexLine(const CString& indexPath, const CString& line) {
  std::string bytes;
  if (FileExists(indexPath) && !ReadFileBytes(indexPath, bytes)) return false;
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  return WriteFileWhole(indexPath, bytes + line.str() + "\r\n");
}

}  // namespace

CString NumberedSchemeFile(int number) { return CString::Formatted("Orbis%d.plt", number); }

bool SaveSchemeFile(const CString& path, const CString& name, const SwatchColours& colours) {
  return WriteFileWhole(path, FormatSchemeFile(name, path, colours));
}

CString NewSchemeFileName(const std::vector<SchemeEntry>& schemes) {
  int orbisFiles = 0;
  for (const SchemeEntry& scheme : schemes) {
    if (ToLower(scheme.file).Find("orbis") >= 0) ++orbisFiles;
  }
  return NumberedSchemeFile(orbisFiles + 1);
}

bool RegisterScheme(const CString& dataDir, const SchemeEntry& scheme, const SwatchColours& colours,
                    CString& failedPath) {
  const CString schemePath = dataDir + scheme.file;
  if (!SaveSchemeFile(schemePath, scheme.name, colours)) {
    failedPath = schemePath;
    return false;
  }
  const CString indexPath = dataDir + kSchemeIndexName;
  if (!AppendIndexLine(indexPath, SchemeIndexLine(scheme))) {
    RemoveFile(schemePath);
    failedPath = indexPath;
    return false;
  }
  return true;
}

bool DeleteScheme(const CString& dataDir, std::vector<SchemeEntry>& schemes, int position,
                  CString& failedPath) {
  const int count = static_cast<int>(schemes.size());
  const CString removed = dataDir + schemes.at(position).file;
  const CString aside = AsideName(removed);
  RenameJournal journal;
  if (!journal.Rename(removed, aside)) {
    failedPath = removed;
    return false;
  }
  std::vector<SchemeEntry> remaining(schemes.begin(), schemes.begin() + position);
  for (int i = position + 1; i < count; ++i) {
    const CString from = dataDir + NumberedSchemeFile(i + 1);
    if (!journal.Rename(from, dataDir + NumberedSchemeFile(i))) {
      // The deletion ends here: what was removed and renamed stays so.
      RemoveFile(aside);
      failedPath = from;
      return false;
    }
    remaining.push_back({schemes[i].name, NumberedSchemeFile(i)});
  }
  std::vector<CString> lines;
  for (const SchemeEntry& scheme : remaining) lines.push_back(SchemeIndexLine(scheme));
  const CString indexPath = dataDir + kSchemeIndexName;
  if (!WriteLinesCrLf(indexPath, lines)) {
    journal.Undo();
    failedPath = indexPath;
    return false;
  }
  RemoveFile(aside);
  schemes = std::move(remaining);
  return true;
}

}  // namespace topodlg
