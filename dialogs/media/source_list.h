// The source lists of the sibling data product, read only. Its folder holds
// SOURCE\BINDER.DAT (one source name per line); its older edition "trek55" keeps
// the list instead in trek55.ini in the Windows directory, in the section that
// begins at the line holding "[SourceFile]" with lines "Source<n>=<name>".
// Source n (n >= 1) is the file SOURCE\SOURCE<n>.DAT of the product's folder;
// source 0, the common area, is SOURCE\HISTORY.DAT. No user interface here.
#pragma once

#include <vector>

#include "platform/cstring.h"

namespace topodlg {

constexpr int kSourceLineLimit = 98;
// BINDER.DAT gives at most this many names; trek55.ini's numbers end at 100.
constexpr int kBinderMaxNames = 101;
constexpr int kIniMaxSource = 100;

// The names of BINDER.DAT: up to the end of the file, the first empty line or
// 101 names. A missing file gives none.
std::vector<CString> ReadBinderSources(const CString& binderPath);

// The names of trek55.ini. Counting the line that holds "[SourceFile]" as 0,
// line n names source n when it holds "Source" followed by the number n (and no
// further digit: "Source10" is not source 1); the name is the text after its
// first "=" (a line without "=" names nothing). A line that names nothing adds
// no name. Reading stops at the first empty line after the section start or when
// n passes 100.
std::vector<CString> ReadIniSources(const CString& iniPath);

// Whether the program is the older edition, whose list is trek55.ini.
bool IsTrek55(const CString& programPath);

// The product's folder as the dialog finds its source list when it opens: the
// program path up to its last ".", less 8 more characters when the path holds
// "terranov", else less 7 (the program's file name).
CString ProductFolderForList(const CString& programPath);
// The product's folder as a chosen source's file is named: the program path up
// to its first ".", less 6 characters when it holds "trek55", less 8 when it
// holds "terranov", else less 7.
CString ProductFolderForSource(const CString& programPath);

// The file of source n in the product's folder (which ends with "\").
CString SourceFilePath(const CString& productFolder, int source);
// The source number of a source file: 0 when its lower-case name holds
// "history.dat", otherwise the number written just before ".dat" (SOURCE12.DAT
// gives 12); -1 when the name holds no such number.
int SourceNumberOf(const CString& sourceFile);

}  // namespace topodlg
