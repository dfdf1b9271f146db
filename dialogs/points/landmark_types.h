// The twelve landmark types: their fixed colours and how the host passes their
// names and show flags. No user interface here.
#pragma once

#include <array>
#include <cstdint>

#include "platform/cstring.h"

namespace topodlg {

constexpr int kLandmarkTypeCount = 12;

using LandmarkTypeNames = std::array<CString, kLandmarkTypeCount>;
using LandmarkTypeFlags = std::array<int16_t, kLandmarkTypeCount>;

// The colour label of a type by index 0 to 11 ("赤" ... "灰"); any other index
// gives the first type's, "赤".
const char* LandmarkColourLabel(int index);

// Names as the host passes them: each followed by "|". Missing names are "";
// the text after the last "|" is a name too; names past the twelfth are ignored.
LandmarkTypeNames SplitLandmarkTypeNames(const CString& names);

// Show flags as the host passes them: one character per type, in type order,
// each read as a decimal digit (1 = shown). A missing or non-digit character
// reads as 0.
LandmarkTypeFlags ParseLandmarkTypeFlags(const CString& flags);

}  // namespace topodlg
