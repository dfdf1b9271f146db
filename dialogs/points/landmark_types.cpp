#include "dialogs/points/landmark_types.h"

namespace topodlg {

const char* LandmarkColourLabel(int index) {
  static constexpr std::array<const char*, kLandmarkTypeCount> kLabels = {
      "赤", "紫", "緑", "黄", "橙", "空", "深緑", "青", "茶", "金", "桃", "灰"};
  return index >= 0 && index < kLandmarkTypeCount ? kLabels[static_cast<size_t>(index)] : kLabels[0];
}

LandmarkTypeNames SplitLandmarkTypeNames(const CString& names) {
  LandmarkTypeNames result;
  CString rest = names;
  for (CString& name : result) {
    const int bar = rest.Find('|');
    if (bar < 0) {
      name = rest;
      rest.Empty();
    } else {
      name = rest.Left(bar);
      rest = rest.Mid(bar + 1);
    }
  }
  return result;
}

LandmarkTypeFlags ParseLandmarkTypeFlags(const CString& flags) {
  LandmarkTypeFlags result{};
  for (int i = 0; i < kLandmarkTypeCount && i < flags.GetLength(); ++i) {
    const char c = flags[i];
    result[static_cast<size_t>(i)] = static_cast<int16_t>(c >= '0' && c <= '9' ? c - '0' : 0);
  }
  return result;
}

}  // namespace topodlg
