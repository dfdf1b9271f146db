// Guidebook files: the index of each of the five guidebook groups
// ("SCENARIO\Scnr0k.dat" in the data directory) and the key line of a
// guidebook's data file. Code page 932 text; no user interface here.
#pragma once

#include <optional>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Index and data file lines are read with this byte limit. A longer line counts
// as its first 199 bytes (its tail is skipped, never taken for a line).
constexpr int kGuideLineLimit = 199;
// An index lists at most this many titles; the lines after the 100th title
// are not read, as if the index ended there.
constexpr int kGuideTitleCapacity = 100;

// "SCENARIO\Scnr00.dat" .. "SCENARIO\Scnr04.dat", relative to the data directory.
CString GuideIndexName(int group);
// The folder of the data files, relative to the data directory.
inline constexpr const char* kGuideFolder = "SCENARIO\\";

struct GuideIndexEntry {
  CString title;     // the line up to its first blank
  CString dataFile;  // the rest, relative to the folder "SCENARIO\"
};

// The titles of an index: the list ends at its first empty line, at its first
// line without a blank, or after 100 titles. A missing index lists nothing.
std::vector<GuideIndexEntry> ReadGuideIndex(const CString& indexPath);

// The key line of a data file: the first line without a blank, or, when every
// line before the first empty line (or the end) has one, the last of those.
// Nothing when the file cannot be read or its first line is empty: the caller
// then keeps the key line it had.
std::optional<CString> ReadGuideKeyLine(const CString& dataPath);

}  // namespace topodlg
