// Clip list files: the stored map clips of the five clip groups, one text file
// per group (code page 932, CR LF), one clip record per line. Lines beginning
// with ";" are comments and empty lines are ignored. No user interface here.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Every clip list line is read with this byte limit. A longer line counts as
// its first 298 bytes and its tail is skipped, so each line of the file is one
// record and a record's position never shifts with the length of another.
constexpr int kClipLineLimit = 298;
constexpr int kClipGroupCount = 5;
// Fields 0..12 end at a blank; field 13 (the creation date) takes the rest.
constexpr int kClipFieldCount = 14;

// The files of groups 0..4. The host names group 0's file, whose name holds
// "0."; group k's file is that path cut before its first "0.", then "k.dat".
// A group-0 path without "0." gives no files for groups 1..4 (empty paths):
// those groups list nothing and their editor does not start, instead of
// reading or editing a file "1.dat" in whatever folder happens to be current.
std::array<CString, kClipGroupCount> ClipGroupPaths(const CString& group0Path);

// The record lines of a clip list, in file order; a missing file has none.
std::vector<CString> ReadClipRecords(const CString& path);
// The record at `position` among the record lines, read again from the file
// and no further than that record; nothing when the file has fewer records.
std::optional<CString> ReadClipRecordAt(const CString& path, int position);

// The title a list shows for a record: the line up to its first blank, or ""
// for a line without a blank (its whole text is the last field).
CString ClipRecordTitle(const CString& line);

using ClipFields = std::array<CString, kClipFieldCount>;
// Splits at single blanks: each of fields 0..12 is the text before the next
// blank; when no blank is left the fields still to come are empty and the rest
// of the line is field 13.
ClipFields SplitClipRecord(const CString& line);

}  // namespace topodlg
