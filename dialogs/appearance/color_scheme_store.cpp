#include "dialogs/appearance/color_scheme_store.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/text_file.h"

namespace topodlg {

namespace {

// The renames of one deletion, so that a failed step can put every file back.
class RenameJournal {
 public:
  // Never replaces an existing file: the target may be another scheme's.
  bool Rename(const CString& from, const CString& to) {
    if (!RenameFile(from, to)) return false;
    m_done.emplace_back(from, to);
    return true;
  }
  void Undo() {
    const int saved = errno;
    for (auto it = m_done.rbegin(); it != m_done.rend(); ++it) RenameFile(it->second, it->first);
    m_done.clear();
    errno = saved;
  }

 private:
  std::vector<std::pair<CString, CString>> m_done;
};

// Where the deleted file waits until the index is rewritten (left there only
// if the process dies meanwhile: the colours are then still on disk).
CString AsideName(const CString& path) {
  CString aside = path + "~";
  for (int n = 1; n < 100 && NameIsTaken(aside); ++n) aside = path + CString::Formatted("~%d", n);
  return aside;
}

// The file-error report names the file as the index gives it.
CString ShownPath(const CString& dataDir, const SchemeEntry& scheme) { return dataDir + scheme.file; }

// Where the dialog's scheme is listed now: at its old position if it is still
// there, else at the first position with its name and file, else with its
// name (names are unique; another process may have renumbered its file); -1
// when it is gone.
int FindListed(const std::vector<SchemeEntry>& listed, const SchemeEntry& scheme, int position) {
  if (position >= 0 && position < static_cast<int>(listed.size()) && listed[position] == scheme) return position;
  for (size_t i = 0; i < listed.size(); ++i) {
    if (listed[i] == scheme) return static_cast<int>(i);
  }
  for (size_t i = 0; i < listed.size(); ++i) {
    if (listed[i].name == scheme.name) return static_cast<int>(i);
  }
  return -1;
}

bool EqualIgnoringCase(const CString& a, const CString& b) { return ToLower(a) == ToLower(b); }

// The new file's name: never one that exists (a file left behind, or one of a
// scheme behind an empty line of the index) nor one a listed scheme names.
CString FreeSchemeFileName(const CString& dataDir, const std::vector<SchemeEntry>& listed) {
  CString file = NewSchemeFileName(listed);
  const int first = Atoi(file.Mid(5));
  for (int number = first; number < first + 10000; ++number) {
    file = NumberedSchemeFile(number);
    bool named = NameIsTaken(dataDir + file);
    for (const SchemeEntry& scheme : listed) named = named || EqualIgnoringCase(scheme.file, file);
    if (!named) return file;
  }
  return CString();
}

// Writes the index: `lines` in place of the listed schemes, then the bytes of
// the old index from `keepFrom` on (what the dialog does not list).
bool RewriteIndex(const CString& indexPath, const std::vector<SchemeEntry>& lines, long long keepFrom) {
  UniqueFd old = OpenDataFile(indexPath);
  return ReplaceFileWith(indexPath, [&](FileSink& sink) {
    for (const SchemeEntry& scheme : lines) {
      if (!sink.Write(SchemeIndexLine(scheme).str() + "\r\n")) return false;
    }
    return !old || sink.CopyFrom(old.get(), keepFrom);
  });
}

// Puts a line into the index right after the listed schemes. A listed line
// left without its line break (by hand) gets one first.
bool InsertIndexLine(const CString& indexPath, const CString& line, long long at) {
  UniqueFd old = OpenDataFile(indexPath);
  char before = '\n';
  if (old && at > 0 && ::pread(old.get(), &before, 1, at - 1) != 1) return false;
  return ReplaceFileWith(indexPath, [&](FileSink& sink) {
    if (old && !sink.CopyFrom(old.get(), 0, at)) return false;
    if (before != '\n' && !sink.Write("\r\n")) return false;
    if (!sink.Write(line.str() + "\r\n")) return false;
    return !old || sink.CopyFrom(old.get(), at);
  });
}

// The index as it is now, or false when something that is not a readable file
// stands in its place (a missing index is an empty one).
bool ScanForChange(const CString& indexPath, SchemeIndexScan& scan) {
  scan = ScanSchemeIndex(indexPath);
  return scan.opened || !NameIsTaken(indexPath);
}

}  // namespace

CString NumberedSchemeFile(int number) { return CString::Formatted("Orbis%d.plt", number); }

CString NewSchemeFileName(const std::vector<SchemeEntry>& schemes) {
  int orbisFiles = 0;
  for (const SchemeEntry& scheme : schemes) {
    if (ToLower(scheme.file).Find("orbis") >= 0) ++orbisFiles;
  }
  return NumberedSchemeFile(orbisFiles + 1);
}

SchemeNameProblem CheckSchemeName(const CString& name, const CString& file) {
  if (name.IsEmpty()) return SchemeNameProblem::Empty;
  for (int i = 0; i < name.GetLength(); i = name.NextBoundary(i + 1)) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c == '$' || c == '\r' || c == '\n') return SchemeNameProblem::Separator;
  }
  if (name[0] == ';') return SchemeNameProblem::Comment;
  if (SchemeIndexLine({name, file}).GetLength() > kIndexLineLimit) return SchemeNameProblem::TooLong;
  return SchemeNameProblem::None;
}

SchemeRegistration RegisterScheme(const CString& dataDir, const CString& name, const SwatchColours& colours) {
  SchemeRegistration out;
  const CString indexPath = dataDir + kSchemeIndexName;
  DataFileLock lock(indexPath);
  SchemeIndexScan scan;
  if (!ScanForChange(indexPath, scan)) {
    out.failedPath = indexPath;
    return out;
  }
  if (static_cast<int>(scan.entries.size()) >= kMaxSchemes) {
    out.result = SchemeRegisterResult::LimitReached;
    return out;
  }
  for (const SchemeEntry& scheme : scan.entries) {
    if (scheme.name == name) {
      out.result = SchemeRegisterResult::NameTaken;
      return out;
    }
  }
  out.file = FreeSchemeFileName(dataDir, scan.entries);
  out.nameProblem = CheckSchemeName(name, out.file);
  if (out.nameProblem != SchemeNameProblem::None) {
    out.result = SchemeRegisterResult::BadName;
    return out;
  }
  const CString schemePath = dataDir + out.file;
  if (out.file.IsEmpty() || !CreateNewFile(schemePath, FormatSchemeFile(name, schemePath, colours))) {
    out.failedPath = schemePath;
    return out;
  }
  if (!InsertIndexLine(indexPath, SchemeIndexLine({name, out.file}), scan.listedEnd)) {
    RemoveFile(schemePath);  // made by this registration, so it may go
    out.failedPath = indexPath;
    return out;
  }
  out.result = SchemeRegisterResult::Registered;
  return out;
}

bool UpdateSchemeFile(const CString& dataDir, const SchemeEntry& scheme, const SwatchColours& colours,
                      CString& failedPath) {
  failedPath = ShownPath(dataDir, scheme);
  const CString indexPath = dataDir + kSchemeIndexName;
  DataFileLock lock(indexPath);
  const std::vector<SchemeEntry> listed = ReadSchemeIndex(indexPath);
  const int at = FindListed(listed, scheme, -1);
  if (at < 0) {
    errno = ENOENT;
    return false;
  }
  const CString path = SchemeFilePath(dataDir, listed[at]);
  failedPath = ShownPath(dataDir, listed[at]);
  if (path.IsEmpty()) {
    errno = EACCES;
    return false;
  }
  return WriteFileWhole(path, FormatSchemeFile(scheme.name, path, colours));
}

bool DeleteScheme(const CString& dataDir, std::vector<SchemeEntry>& schemes, int position, CString& failedPath) {
  const CString indexPath = dataDir + kSchemeIndexName;
  DataFileLock lock(indexPath);
  SchemeIndexScan scan = ScanSchemeIndex(indexPath);
  const int at = FindListed(scan.entries, schemes.at(position), position);
  if (at < 0) {
    failedPath = indexPath;
    errno = ENOENT;
    return false;
  }
  const int count = static_cast<int>(scan.entries.size());
  const CString removed = SchemeFilePath(dataDir, scan.entries[at]);
  // The removal is a rename aside until the index is written, so that any
  // failure can put the file back. A file the user may not remove stops here.
  if (removed.IsEmpty() || !IsWritableFile(removed)) {
    failedPath = ShownPath(dataDir, scan.entries[at]);
    return false;
  }
  const CString aside = AsideName(removed);
  RenameJournal journal;
  if (!journal.Rename(removed, aside)) {
    failedPath = removed;
    return false;
  }
  std::vector<SchemeEntry> remaining(scan.entries.begin(), scan.entries.begin() + at);
  for (int i = at + 1; i < count; ++i) {
    // A scheme in a file of another name (made by hand, or numbered past a
    // file that was taken) keeps it: moving it would mix two schemes' colours.
    if (!EqualIgnoringCase(scan.entries[i].file, NumberedSchemeFile(i + 1))) {
      remaining.push_back(scan.entries[i]);
      continue;
    }
    const CString from = dataDir + NumberedSchemeFile(i + 1);
    if (!journal.Rename(from, dataDir + NumberedSchemeFile(i))) {
      journal.Undo();
      failedPath = from;
      return false;
    }
    remaining.push_back({scan.entries[i].name, NumberedSchemeFile(i)});
  }
  if (!RewriteIndex(indexPath, remaining, scan.listedEnd)) {
    journal.Undo();
    failedPath = indexPath;
    return false;
  }
  RemoveFile(aside);
  schemes = std::move(remaining);
  return true;
}

}  // namespace topodlg
