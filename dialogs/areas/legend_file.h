// Legend files: "AreaLgd.dat" for the area groups and "LinrLgd.dat" for the line
// groups, in the data directory. A line "GROUP1" ... "GROUP5" opens the section
// of group 0 ... 4; each line of a section is one entry "row pattern colour
// description". The legend window draws a section, the legend settings dialog
// edits one and writes the file back. No user interface here.
#pragma once

#include <optional>
#include <vector>

#include "platform/cstring.h"
#include "platform/gdi.h"

namespace topodlg {

constexpr int kLegendLineLimit = 199;   // bytes per line read
constexpr int kLegendEntryLimit = 19;   // entries per section
constexpr int kLegendFileLineLimit = 299;  // lines of a whole legend file
constexpr const char* kLegendEndMarker = "999";

// data directory + "LinrLgd.dat" (linear flag 1) or + "AreaLgd.dat".
CString LegendFilePath(const CString& dataDirectory, int linearFlag);
// "GROUP%d" with group + 1.
CString LegendSectionHeader(int group);

// The entries of a group's section: comments (";" first) and empty lines are
// skipped; the line equal to the group's header starts the section and the line
// equal to the next group's header ends reading. Headers are whole lines: a
// header with a trailing blank is an ordinary line. At most 19 entries; a
// missing file or one without the header gives none.
std::vector<CString> ReadLegendSection(const CString& legendPath, int group);

// An entry split at its first three blanks; the description is the rest of the
// line. Words without a blank behind them are not fields: with fewer blanks the
// fields fill from the left and the rest of the line is the description.
struct LegendEntry {
  CString row;
  CString pattern;
  CString colour;
  CString description;
};
LegendEntry SplitLegendEntry(const CString& entry);
// Format("%d ", row) + pattern + " " + colour + " " + description.
CString JoinLegendEntry(int row, const CString& pattern, const CString& colour, const CString& description);

// The colour of a colour name; any other text, "黒" and "" among them, is black.
COLORREF LegendColour(const CString& name);
// The hatch style (HS_*) of an area pattern: each of the six pattern names is
// looked for in the pattern, in the order "斜線／", "斜線＼", "クロス", "横線",
// "縦線", "格子", and the last one found wins. A pattern with none of them has
// no hatch: its sample is drawn as an outline only, so it never passes for one
// of the patterns the map draws.
std::optional<int> LegendHatch(const CString& pattern);
// 2 when the pattern contains "太線", else 1.
int LegendPenWidth(const CString& pattern);

// The lines of a legend file after replacing the section of `group` with
// `entries`; the lines of every other section are copied unchanged.
//   - No old lines (a missing or empty file): the five headers "GROUP1" ...
//     "GROUP5" stand in for them.
//   - The section ends at the next group's header or at any other header line
//     "GROUP1" ... "GROUP5", whichever comes first, so a file whose sections are
//     out of order never loses another group's lines.
//   - A file without the group's header gets it, with the entries, just before
//     the first header of a later group (at the end when there is none), where
//     the readers of every group find what they found before.
std::vector<CString> RewriteLegendLines(const std::vector<CString>& oldLines, int group,
                                        const std::vector<CString>& entries);

// Why a legend file could not be saved; the file is as it was in every case.
enum class LegendSaveOutcome {
  Saved,
  TooLong,         // the file has more than 299 lines (or is too large to hold)
  WriteFailed,     // the new file could not be written or put in the old one's place
};

// Rewrites the legend file with the group's section replaced, through the
// one write path (a temporary file beside it renamed over it, under the
// folder's lock from the read to the write).
LegendSaveOutcome SaveLegendSection(const CString& legendPath, int group, const std::vector<CString>& entries);

}  // namespace topodlg
