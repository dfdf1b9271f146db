// The sheet catalogue of the white map: one regional map sheet per line, its
// name, latitude and longitude at fixed byte columns. Regions filter the sheets
// by comparing those columns with fixed bounds as text. No user interface here.
#pragma once

#include <vector>

#include "platform/cstring.h"

namespace topodlg {

constexpr int kCatalogueLineLimit = 199;  // bytes kept of each line
constexpr int kCatalogueCapacity = 200;   // lines kept at most

// The lines of the catalogue a sheet can come from: comments (";" first) and
// lines with a full-width "Ｂ" after their first character are left out;
// reading stops after kCatalogueCapacity kept lines. A missing file gives none.
std::vector<CString> ReadSheetCatalogue(const CString& path);

// The columns of a catalogue line (a short line gives short or empty fields).
CString SheetNameOf(const CString& line);  // bytes 9 to 20
CString LatitudeOf(const CString& line);   // bytes 22 to 29
CString LongitudeOf(const CString& line);  // bytes 32 to 40

// Bounds of a region as degrees.minutes-seconds texts; an empty bound is open.
struct RegionBounds {
  CString east, north, west, south;
};
// The bounds of a region name; false (bounds untouched) for an unknown name.
bool RegionBoundsOf(const CString& region, RegionBounds& bounds);
// Whether a line lies within the bounds: its 7 latitude bytes (22 to 28) and 8
// longitude bytes (32 to 39) compared byte by byte with the bounds.
bool LineWithin(const CString& line, const RegionBounds& bounds);

// A chosen sheet: its name and position, with the catalogue's two
// out-of-frame sheets moved to where they are drawn, and its mesh code.
struct SheetChoice {
  int line = -1;  // index into the kept lines
  CString name, latitude, longitude, meshCode;
};
// The first kept line that contains `selected`. Every kept line is searched,
// the first included: a sheet the list shows can always be chosen. An empty
// text chooses nothing.
bool ChooseSheet(const std::vector<CString>& lines, const CString& selected, SheetChoice& choice);
// "%2d%2d": (degrees × 60 + minutes) / 40 of the latitude, then the whole
// degrees of the longitude − 100.
CString MeshCodeOf(const CString& latitude, const CString& longitude);

}  // namespace topodlg
