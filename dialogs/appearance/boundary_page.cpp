#include "dialogs/appearance/boundary_page.h"
#include "resources/150.h"

namespace topodlg {
using namespace res150;

CBoundaryPage::CBoundaryPage() : CDialog(kTemplateId) {
  BindToggle(m_prefecture, IDC_PREFECTURE);
  OnClicked(IDC_PREFECTURE, [this] { ShowSubprefecture(); });
  OnClicked(IDC_SUBPREFECTURE, [this] {
    m_subprefecture = m_subprefecture == 1 ? 0 : 1;
    ShowSubprefecture();
  });
  OnClicked(IDC_MUNICIPAL, [this] { OnMunicipalClicked(); });
  OnClicked(IDC_NAMES_WHEN_ZOOMED, [this] {
    m_namesWhenZoomed = m_namesWhenZoomed == 1 ? 0 : 1;
    ShowMunicipalNames();
  });
  OnClicked(IDC_ENCLAVE_NAMES, [this] {
    m_enclaveNames = m_enclaveNames == 1 ? 0 : 1;
    ShowMunicipalNames();
  });
  OnClicked(IDC_MERGED_NAMES, [this] {
    m_mergedNames = m_mergedNames == 0 ? 1 : 0;
    ShowMunicipalNames();
  });
  BindRadio(m_municipalColour, {{IDC_BLACK, 10}, {IDC_GREY, 11}}).Otherwise(IDC_GREY);
  // A colour the page does not know checks no radio.
  BindRadio(m_prefectureColour, {{IDC_PREF_RED, "RED"}, {IDC_PREF_BLUE, "BLUE"}, {IDC_PREF_ORANGE, "ORNG"}});
}

void CBoundaryPage::Load(const MapSpecSettings& s) {
  m_prefecture = s.prefecture;
  m_subprefecture = s.subprefecture;
  m_municipal = s.municipal;
  m_municipalColour = s.municipalColour;
  m_namesWhenZoomed = s.namesWhenZoomed;
  m_enclaveNames = s.enclaveNames;
  m_mergedNames = s.mergedNames;
  m_prefectureColour = s.prefectureColour;
  m_municipalMarker = s.municipalMarker;
}

void CBoundaryPage::Store(MapSpecSettings& s) const {
  s.prefecture = m_prefecture;
  s.subprefecture = m_subprefecture;
  s.municipal = m_municipal;
  s.municipalColour = m_municipalColour;
  s.namesWhenZoomed = m_namesWhenZoomed;
  s.enclaveNames = m_enclaveNames;
  s.mergedNames = m_mergedNames;
  s.prefectureColour = m_prefectureColour;
}

bool CBoundaryPage::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowSubprefecture();
  if (m_municipalMarker.IsEmpty()) m_municipal = 0;
  ShowMunicipalNames();
  return true;
}

// The subprefecture box has no caption and no tick while prefecture
// boundaries are off; its flag keeps its value.
void CBoundaryPage::ShowSubprefecture() {
  const bool on = m_prefecture == 1;
  SetDlgItemText(IDC_SUBPREFECTURE, on ? "支庁界" : "");
  CheckDlgButton(IDC_SUBPREFECTURE, on && m_subprefecture == 1);
}

// Likewise the three municipal-name boxes while municipal boundaries are off.
void CBoundaryPage::ShowMunicipalNames() {
  const bool on = m_municipal == 1;
  CheckDlgButton(IDC_MUNICIPAL, on);
  SetDlgItemText(IDC_NAMES_WHEN_ZOOMED, on ? "地図拡大時に市区町村名を表示" : "");
  SetDlgItemText(IDC_ENCLAVE_NAMES, on ? "飛び地の市区町村名も表示" : "");
  SetDlgItemText(IDC_MERGED_NAMES, on ? "合併後の市区町村名を併記" : "");
  CheckDlgButton(IDC_NAMES_WHEN_ZOOMED, on && m_namesWhenZoomed == 1);
  CheckDlgButton(IDC_ENCLAVE_NAMES, on && m_enclaveNames == 1);
  CheckDlgButton(IDC_MERGED_NAMES, on && m_mergedNames == 1);
}

// Without municipal data the boundaries count as on, so the click switches
// them off, and they cannot be switched on.
void CBoundaryPage::OnMunicipalClicked() {
  if (m_municipalMarker.IsEmpty()) m_municipal = 1;
  m_municipal = m_municipal == 1 ? 0 : 1;
  ShowMunicipalNames();
}

}  // namespace topodlg
