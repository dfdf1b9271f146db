#include "dialogs/appearance/boundary_page.h"

namespace topodlg {
namespace {

enum Control : int {
  kMunicipal = 1067,
  kBlack = 1068,
  kGrey = 1069,
  kNamesWhenZoomed = 1073,
  kEnclaveNames = 1074,
  kSubprefecture = 1075,
  kMergedNames = 1100,
  kPrefecture = 1128,
};

struct TextRadio {
  int id;
  const char* text;
};
const TextRadio kPrefectureColours[] = {{1455, "RED"}, {1456, "BLUE"}, {1457, "ORNG"}};

}  // namespace

CBoundaryPage::CBoundaryPage() : CDialog(kTemplateId) {
  OnClicked(kPrefecture, [this] { OnPrefectureClicked(); });
  OnClicked(kSubprefecture, [this] {
    m_subprefecture = m_subprefecture == 1 ? 0 : 1;
    ShowSubprefecture();
  });
  OnClicked(kMunicipal, [this] { OnMunicipalClicked(); });
  OnClicked(kNamesWhenZoomed, [this] {
    m_namesWhenZoomed = m_namesWhenZoomed == 1 ? 0 : 1;
    ShowMunicipalNames();
  });
  OnClicked(kEnclaveNames, [this] {
    m_enclaveNames = m_enclaveNames == 1 ? 0 : 1;
    ShowMunicipalNames();
  });
  OnClicked(kMergedNames, [this] {
    m_mergedNames = m_mergedNames == 0 ? 1 : 0;
    ShowMunicipalNames();
  });
  OnClicked(kBlack, [this] { m_municipalColour = 10; });
  OnClicked(kGrey, [this] { m_municipalColour = 11; });
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
  CheckDlgButton(kPrefecture, m_prefecture == 1);
  ShowSubprefecture();
  if (m_municipalMarker.IsEmpty()) m_municipal = 0;
  ShowMunicipalNames();
  CheckDlgButton(m_municipalColour == 10 ? kBlack : kGrey, 1);
  for (const TextRadio& r : kPrefectureColours) {
    if (m_prefectureColour == r.text) CheckDlgButton(r.id, 1);
  }
  return true;
}

// The subprefecture box has no caption and no tick while prefecture
// boundaries are off; its flag keeps its value.
void CBoundaryPage::ShowSubprefecture() {
  const bool on = m_prefecture == 1;
  SetDlgItemText(kSubprefecture, on ? "支庁界" : "");
  CheckDlgButton(kSubprefecture, on && m_subprefecture == 1);
}

// Likewise the three municipal-name boxes while municipal boundaries are off.
void CBoundaryPage::ShowMunicipalNames() {
  const bool on = m_municipal == 1;
  CheckDlgButton(kMunicipal, on);
  SetDlgItemText(kNamesWhenZoomed, on ? "地図拡大時に市区町村名を表示" : "");
  SetDlgItemText(kEnclaveNames, on ? "飛び地の市区町村名も表示" : "");
  SetDlgItemText(kMergedNames, on ? "合併後の市区町村名を併記" : "");
  CheckDlgButton(kNamesWhenZoomed, on && m_namesWhenZoomed == 1);
  CheckDlgButton(kEnclaveNames, on && m_enclaveNames == 1);
  CheckDlgButton(kMergedNames, on && m_mergedNames == 1);
}

void CBoundaryPage::OnPrefectureClicked() {
  m_prefecture = m_prefecture == 1 ? 0 : 1;
  CheckDlgButton(kPrefecture, m_prefecture);
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
