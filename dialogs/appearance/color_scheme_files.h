// Colour schemes on disk: the scheme index "PlttFile.dat" and the scheme files
// ("Orbis%d.plt") it lists, and the colours a scheme gives the 13 swatches of the
// colour scheme dialog. No user interface here.
//
// Index line:   name "$" file CR LF          (at most 30 schemes)
// Scheme file:  ";" name "  " full path "  " CR LF, then one colour line per
//               level: "%4d %3d %3d %3d" elevation, red, green, blue, a label,
//               CR LF. Black intermediate levels are left out.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/cstring.h"
#include "platform/gdi.h"

namespace topodlg {

constexpr int kMaxSchemes = 30;
constexpr int kIndexLineLimit = 98;
inline constexpr const char* kSchemeIndexName = "PlttFile.dat";
// The file entry after the last scheme read: the free position for a registration.
inline constexpr const char* kFreeSchemeFile = "-999";

struct SchemeEntry {
  CString name;
  CString file;  // relative to the data directory (see SchemeFilePath)

  friend bool operator==(const SchemeEntry&, const SchemeEntry&) = default;
};

// The path of a scheme's file: data directory + file, or "" when the index
// names a file outside the data directory ("..\name", "C:\name"), which
// then reads as missing and is never written, renamed or removed.
CString SchemeFilePath(const CString& dataDir, const SchemeEntry& scheme);

// The dialog's index reading: the first 98 bytes of a line (the rest of a longer
// line is passed over), ending at the first empty
// line, the end of the file or the 30th line. A line without "$" gives an empty
// name and the whole line as file. A missing index gives no schemes.
std::vector<SchemeEntry> ReadSchemeIndex(const CString& indexPath);

// The same reading, with where the listed lines end: a new scheme's line goes
// there, and the lines after it (behind an empty line, or past the 30th) are
// kept as they are when the index is rewritten.
struct SchemeIndexScan {
  std::vector<SchemeEntry> entries;
  long long listedEnd = 0;  // file offset just after the last listed line
  bool opened = false;      // the index is a regular file that could be opened
};
SchemeIndexScan ScanSchemeIndex(const CString& indexPath);
// The terrain colouring dialog's reading of the same file: empty lines and ";"
// comments are passed over, up to 30 names. A line without "$" gives an empty
// name, so that the positions stay those of the colour scheme dialog.
std::vector<CString> ReadSchemeNames(const CString& indexPath);
CString SchemeIndexLine(const SchemeEntry& entry);

// The 13 swatches C1..C13, held at indexes 0..12.
using SwatchColours = std::array<COLORREF, 13>;
constexpr int kSwatchCount = 13;
constexpr int kSwatchLake = 10;        // C11: the host's lake colour, not in a scheme
constexpr int kSwatchBackground = 12;  // C13: the host's map background, not in a scheme
constexpr bool IsSchemeSwatch(int swatch) { return swatch != kSwatchLake && swatch != kSwatchBackground; }

// One level of a scheme file, in the order the file holds them.
struct SchemeLevel {
  int elevation;    // written in columns 0-3
  int colourLevel;  // 0..255
  const char* label;
  int swatch;  // 0-based swatch index
};
extern const std::array<SchemeLevel, 11> kSchemeLevels;

// One colour line as read. Channels keep what the columns say (they may lie
// outside 0..255 in a hand-edited file); they are masked to a byte when packed.
struct SchemeLine {
  int elevation = 0;
  int level = 0;
  int red = 0, green = 0, blue = 0;
};

// Elevation / 15, except that 1 m is level 1 and 4,000 m is level 255.
int ColourLevelOf(int elevation);
// Empty lines and ";" comments give nothing; any other line gives the numbers of
// its columns 0-3, 5-7, 9-11 and 13-15 (what is not a number reads as 0).
bool ParseSchemeLine(const CString& line, SchemeLine& parsed);
// The colour lines of a scheme file in file order; a file that cannot be opened
// gives none. Lines are cut at 98 bytes. A hand-made scheme may hold more
// levels than the eleven the dialog writes (they take part in the preview); at
// most kMaxSchemeLines colour lines, one per colour level, are kept, so a huge
// file costs no more than that.
std::vector<SchemeLine> ReadSchemeFile(const CString& path);
constexpr int kMaxSchemeLines = 256;

// The swatch colours of a scheme: C1-C10 and C12 (C11 and C13 left black).
// Without the preview a line sets the swatch of its level when the level is one
// of the eleven; with it, consecutive lines in rising level order are blended
// across the levels between them, so that black (left out) levels show the
// colour they will get on the map.
SwatchColours SchemeSwatchColours(const std::vector<SchemeLine>& lines, bool preview);

// The bytes of a scheme file for these swatch colours; `fullPath` goes into the
// comment line.
std::string FormatSchemeFile(const CString& name, const CString& fullPath, const SwatchColours& colours);

// The colours a new scheme starts with: blue sea, white 0 m and 4,000 m, the
// intermediate levels black (left out).
SwatchColours NewSchemeColours();

}  // namespace topodlg
