// The history of place-name search keywords: data directory +
// "TEMP\KEYWORD.TXT", one keyword a line (CR LF), newest first, at most 20.
// No user interface here.
#pragma once

#include <vector>

#include "platform/cstring.h"

namespace topodlg {

constexpr int kKeywordListLineLimit = 199;   // bytes of a line the keyword box shows
constexpr int kKeywordListCapacity = 100;    // lines the keyword box holds
constexpr int kKeywordHistoryLineLimit = 79; // bytes of a line the update compares and keeps
constexpr int kKeywordHistoryCapacity = 20;  // keywords the history keeps

CString KeywordHistoryPath(const CString& dataDirectory);

// The non-empty lines of the history as the keyword box lists them: each cut
// to 199 bytes, at most 100 (reading stops there, however long the file).
std::vector<CString> ReadKeywordList(const CString& historyPath);

enum class KeywordUpdate { Known, Written, WriteFailed };
// Puts a keyword first in the history. A keyword equal to one of the first 20
// non-empty lines (each cut to 79 bytes) leaves the file as it is; otherwise
// the file is replaced whole by the keyword and the first 19 of those lines.
// A missing TEMP folder is not created: the history is then not kept
// (WriteFailed) and nothing else changes.
KeywordUpdate UpdateKeywordHistory(const CString& historyPath, const CString& keyword);

}  // namespace topodlg
