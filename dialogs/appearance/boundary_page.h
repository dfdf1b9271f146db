// Map settings page "行政界" (dialog 150): prefecture, subprefecture and
// municipal boundaries, their colours and the municipal names.
#pragma once

#include "dialogs/appearance/map_spec_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CBoundaryPage : public CDialog {
 public:
  static constexpr int kTemplateId = 150;
  CBoundaryPage();

  void Load(const MapSpecSettings& s);
  void Store(MapSpecSettings& s) const;

  int m_prefecture = 0, m_subprefecture = 0, m_municipal = 0;
  int m_municipalColour = 0;  // 10 black, 11 grey
  int m_namesWhenZoomed = 0, m_enclaveNames = 0, m_mergedNames = 0;
  CString m_prefectureColour;  // "RED", "BLUE", "ORNG"
  CString m_municipalMarker;   // empty: the host has no municipal data

 protected:
  bool OnInitDialog() override;

 private:
  void ShowSubprefecture();
  void ShowMunicipalNames();
  void OnMunicipalClicked();
};

}  // namespace topodlg
