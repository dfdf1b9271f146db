// The map settings as they travel: 22 integers
// (some packing several settings into decimal digits) and 18 texts in, one
// result string out. No user interface here.
#pragma once

#include <array>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

constexpr int kPlaceKindCount = 10;

struct MapSpecSettings {
  // Place names and their style.
  int itemsPerPoint = 0, itemPosition = 0, symbolColour = 0, itemColour = 0;
  int showPlaceNames = 0, fileMode = 0, fontSize = 0, displayCount = 0, wideArea = 0, popup = 0;
  int allKinds = 0;
  std::array<int, kPlaceKindCount> kinds{};
  // Boundaries.
  int mergedNames = 0, subprefecture = 0, prefecture = 0, municipal = 0;
  int enclaveNames = 0, municipalColour = 0, namesWhenZoomed = 0;
  // Grid, lakes, datum, tabs.
  int latLonLockedOff = 0, gridInterval = 0;
  int lakes = 0, lakeNames = 0, reservoirs = 0, reservoirNames = 0, reservoirLength = 0;
  int lakeElevation = 0, reservoirElevation = 0;
  int worldFrame = 0, currentTab = 0, datum = 0;
  int titleShown = 0;
  // Texts.
  CString regionalPath, secondPath, placeNameFile, sheetNumber, mapTitle, legend, gridUnit, sheetFrame;
  CString mapKind, latLonLines, gridColour, scaleCompass, pointer, textBackground, dataDirectory;
  CString prefectureColour, keyword, municipalMarker;
};

// Decodes the 22 integers and 18 texts in argument order. Packed digits are
// split with truncating division and remainder, so any value (negative or
// more digits than expected) is written back as the same sum.
MapSpecSettings DecodeMapSpecArguments(const std::array<int, 22>& numbers, const std::array<CString, 18>& texts);
// The result string of a confirmed dialog.
CString EncodeMapSpecResult(const MapSpecSettings& s);

// Argument 10 and argument 11 as the result writes them back.
int PackBoundaries(const MapSpecSettings& s);
int PackBoundaryDetails(const MapSpecSettings& s);

}  // namespace topodlg
