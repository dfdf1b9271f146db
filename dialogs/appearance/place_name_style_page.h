// Map settings page "地名仕様" (dialog 204): symbol and item colours, the
// items shown per point and where, the kinds of place shown, and the search
// keyword with its history.
#pragma once

#include <array>
#include <vector>

#include "dialogs/appearance/map_spec_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CPlaceNameStylePage : public CDialog {
 public:
  static constexpr int kTemplateId = 204;
  CPlaceNameStylePage();

  void Load(const MapSpecSettings& s);
  void Store(MapSpecSettings& s) const;
  // The keyword becomes the text of the keyword box's edit field.
  void TakeKeyword();

  int m_symbolColour = 0;   // 1 black, 2 red, 3 by elevation
  int m_itemsPerPoint = 0;  // 1 name, 2 elevation, 3 both
  int m_itemPosition = 0;   // 1 right, 2 above, 3 below
  int m_itemColour = 0;     // 1 black, 2 three colours
  int m_allKinds = 0;
  std::array<int, kPlaceKindCount> m_kinds{};
  CString m_keyword;
  std::vector<CString> m_keywordList;  // the history lines the box lists
  CString m_dataDirectory;

 protected:
  bool OnInitDialog() override;

 private:
  void ShowKinds();
  void OnAllKinds();
  void OnKind(int kind);
  void OnKeywordChosen();
};

}  // namespace topodlg
