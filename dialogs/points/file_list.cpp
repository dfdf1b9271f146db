#include "dialogs/points/file_list.h"

#include <array>
#include <string>

#include "platform/file_write.h"
#include "platform/text_file.h"

namespace topodlg {
namespace {

struct KindInfo {
  FileListKind kind;
  const char* word;
  const char* fileName;
  const char* title;
  const char* filter;
};

constexpr const char* kAllFiles = "All files (*.*)|*.*||";

constexpr std::array<KindInfo, 5> kKinds{{
    {FileListKind::WholeArea, "WHOLEAREA", "PNTFILE.dat", " 現在の全域地点名ファイル", kAllFiles},
    {FileListKind::PointName, "POINTNAME", "EXPLFILE.dat", " 現在の地点名ファイル", kAllFiles},
    {FileListKind::LinkName, "LINKNAME", "DATAFILE.dat", " 現在のテキスト・画像データファイル", kAllFiles},
    {FileListKind::Gps, "GPS", "TRACKTB", " 現在のトラックファイル",
     "All files (*.*)|*.*|TRK files (*.trk)|*.trk|POT files (*.pot)|*.pot||"},
    {FileListKind::Prefecture, "PREFECTURE", "MAPELMNT\\PFCTRFL.DAT", " 現在の都道府県データファイル",
     kAllFiles},
}};

const KindInfo* Info(FileListKind kind) {
  for (const KindInfo& info : kKinds) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

// Every line of a list file; a line longer than the limit reads as its head, so
// one line of the file is always one entry.
std::vector<CString> ReadListLines(const CString& listPath) {
  std::vector<CString> lines;
  if (listPath.IsEmpty()) return lines;
  LineReader reader(listPath);
  CString line;
  while (reader.ReadLineCut(line, kFileListLineLimit)) lines.push_back(line);
  return lines;
}

}  // namespace

FileListKind ParseFileListKind(const CString& kind) {
  for (const KindInfo& info : kKinds) {
    if (kind == info.word) return info.kind;
  }
  return FileListKind::Unknown;
}

CString FileListPath(FileListKind kind, const CString& dataDirectory, const CString& group) {
  const KindInfo* info = Info(kind);
  if (!info) return CString();
  if (kind == FileListKind::Gps) return dataDirectory + info->fileName + group + ".DAT";
  return dataDirectory + info->fileName;
}

const char* FileListTitle(FileListKind kind) {
  const KindInfo* info = Info(kind);
  return info ? info->title : nullptr;
}

const char* FileListFilter(FileListKind kind) {
  const KindInfo* info = Info(kind);
  return info ? info->filter : kAllFiles;
}

std::vector<CString> ReadFileListEntries(const CString& listPath) {
  std::vector<CString> entries;
  for (CString& line : ReadListLines(listPath)) {
    if (!line.IsEmpty() && line.GetAt(0) != ';') entries.push_back(std::move(line));
  }
  return entries;
}

std::vector<CString> ReadListToFirstEmptyLine(const CString& listPath, CommentLines comments, int lineLimit) {
  std::vector<CString> entries;
  if (listPath.IsEmpty()) return entries;
  LineReader reader(listPath);
  CString line;
  while (reader.ReadLineCut(line, lineLimit) && !line.IsEmpty()) {
    if (comments == CommentLines::Skip && line.GetAt(0) == ';') continue;
    entries.push_back(line);
  }
  return entries;
}

// A list whose last line has no line end (the user's editor may leave it so)
// gets one from the write path first: the new path never runs on into it.
bool AppendFileListEntry(const CString& listPath, const CString& path) {
  if (listPath.IsEmpty()) return false;
  return AppendLineCrLf(listPath, path);
}

RegisterResult RegisterFileListEntry(const CString& listPath, const CString& lowerPath) {
  if (listPath.IsEmpty()) return RegisterResult::WriteFailed;
  // The look for a duplicate and the append are one step for other processes
  // registering into the same list. The list is read once, line by line, and
  // the path appended in place: a huge list costs one read and no copy.
  DataFileLock lock(listPath);
  // Lines are compared as read, so a path longer than the line limit is
  // compared by its first bytes, as it will read back.
  LineReader reader(listPath);
  if (!reader.IsOpen() && NameIsTaken(listPath)) return RegisterResult::WriteFailed;
  if (reader.SkipPastLine(LineAsRead(lowerPath, kFileListLineLimit), kFileListLineLimit)) {
    return RegisterResult::Duplicate;
  }
  return AppendLineCrLf(listPath, lowerPath) ? RegisterResult::Added : RegisterResult::WriteFailed;
}

}  // namespace topodlg
