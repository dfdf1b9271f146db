// File-list files: the host's registries of the user's data files (point
// information, place names, text and image data, GPS tracks, prefecture data).
// One full path per line, code page 932, CR LF; a line that begins with ";" is a
// comment; entries registered here are stored in lower case and appended at the
// end. No user interface here.
#pragma once

#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Every file-list line is read with this byte limit.
constexpr int kFileListLineLimit = 199;

enum class FileListKind { WholeArea, PointName, LinkName, Gps, Prefecture, Unknown };

// "WHOLEAREA", "POINTNAME", "LINKNAME", "GPS", "PREFECTURE"; anything else is Unknown.
FileListKind ParseFileListKind(const CString& kind);
// The file-list file of a kind: data directory + its name; "GPS" appends the
// group text to "TRACKTB". Unknown gives "".
CString FileListPath(FileListKind kind, const CString& dataDirectory, const CString& group);
// The file-list dialog's title for a kind; nullptr for Unknown (the template's stays).
const char* FileListTitle(FileListKind kind);
// The open-file filter of a kind.
const char* FileListFilter(FileListKind kind);

// The entries as the file-list dialog shows them: every line that is neither
// empty nor a comment. A missing file gives none.
std::vector<CString> ReadFileListEntries(const CString& listPath);

// The lines before the first empty line, as the track tables, the point
// information list and the text and image links read them; comment lines are
// skipped or listed. A line longer than the limit reads as its head.
enum class CommentLines { Skip, List };
std::vector<CString> ReadListToFirstEmptyLine(const CString& listPath, CommentLines comments,
                                              int lineLimit = kFileListLineLimit);

enum class RegisterResult {
  Added,       // the path was appended with CR LF (the file created if need be)
  Duplicate,   // a line of the file already equals the path; nothing written
  WriteFailed  // the file could not be written; it is as it was
};
// Appends a path as it stands, with no duplicate check (the new-file buttons of
// the target-file chooser do so). The file is created when missing; a last line
// without a line end gets one first. False when the file could not be written:
// it is then as it was.
bool AppendFileListEntry(const CString& listPath, const CString& path);

// Registers a data file's path. The caller passes the path already in lower
// case, the form every registered entry has.
RegisterResult RegisterFileListEntry(const CString& listPath, const CString& lowerPath);

}  // namespace topodlg
