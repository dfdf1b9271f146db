#include "dialogs/appearance/boundary_page.h"
#include "resources/150.h"

namespace topodlg {
using namespace res150;

namespace {

struct TextRadio {
  int id;
  const char* text;
};
const TextRadio kPrefectureColours[] = {{IDC_PREF_RED, "RED"}, {IDC_PREF_BLUE, "BLUE"}, {IDC_PREF_ORANGE, "ORNG"}};

}  // namespace

CBoundaryPage::CBoundaryPage() : CDialog(kTemplateId) {
  OnClicked(IDC_PREFECTURE, [this] { OnPrefectureClicked(); });
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
  OnClicked(IDC_BLACK, [this] { m_municipalColour = 10; });
  OnClicked(IDC_GREY, [this] { m_municipalColour = 11; });
  for (const TextRadio& r : kPrefectureColours) OnClicked(r.id, [this, r] { m_prefectureColour = r.text; });
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
  CheckDlgButton(IDC_PREFECTURE, m_prefecture == 1);
  ShowSubprefecture();
  if (m_municipalMarker.IsEmpty()) m_municipal = 0;
  ShowMunicipalNames();
  CheckDlgButton(m_municipalColour == 10 ? IDC_BLACK : IDC_GREY, 1);
  for (const TextRadio& r : kPrefectureColours) {
    if (m_prefectureColour == r.text) CheckDlgButton(r.id, 1);
  }
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

void CBoundaryPage::OnPrefectureClicked() {
  m_prefecture = m_prefecture == 1 ? 0 : 1;
  CheckDlgButton(IDC_PREFECTURE, m_prefecture);
  ShowSubprefecture();
}

// Without municipal data the boundaries count as on, so the click switches
// them off, and they cannot be switched on.
void CBoundaryPage::OnMunicipalClicked() {
  if (m_municipalMarker.IsEmpty()) m_municipal = 1;
  m_municipal = m_municipal == 1 ? 0 : 1;
  ShowMunicipalNames();
}

}  // namespace topodlg
