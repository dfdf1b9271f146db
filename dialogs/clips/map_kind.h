// What a clipped map is, told from its map file and map name: the kind and the
// mesh total the map clipping dialog shows and returns. No user interface here.
#pragma once

#include <array>

#include "platform/cstring.h"

namespace topodlg {

// The sub-kinds of "TEM" (1 km mesh) maps.
constexpr int kTemElevation = 1;
constexpr int kTemMeanElevation = 2;

struct MapKind {
  CString kind;
  CString meshTotal;
  CString mapName;  // the given name, or "指定した範囲" for a 50 m map of a chosen range
};

// `userBounds` are the four bounds of a user-made map, in argument order; the
// third also tells a large 50 m map (above 200) from a small one.
MapKind DeriveMapKind(const CString& mapFile, const CString& mapName, int subKind,
                      const std::array<int, 4>& userBounds);

}  // namespace topodlg
