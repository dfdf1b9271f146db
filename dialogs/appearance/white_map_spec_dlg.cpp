#include "dialogs/appearance/white_map_spec_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/143.h"

namespace topodlg {
using namespace res143;

namespace {

const char kSubprefectureCaption[] = "北海道 支庁界";

}  // namespace

// A value the dialog does not know checks no radio of its group. A flag of 1
// shows ticked and flips to 0; any other value shows clear and flips to 1, so
// a box always shows what the host gets.
CWhiteMapSpecDlg::CWhiteMapSpecDlg() : CDialog(kTemplateId) {
  BindRadio(m_options[kItems], {{IDC_ITEM_NAME, 1}, {IDC_ITEM_HEIGHT, 2}, {IDC_ITEM_BOTH, 3}});
  BindRadio(m_options[kItemPosition], {{IDC_RIGHT, 1}, {IDC_ABOVE, 2}, {IDC_BELOW, 3}});
  BindRadio(m_options[kSymbolColour], {{IDC_SYMBOL_BLACK, 1}, {IDC_SYMBOL_RED, 2}});
  BindRadio(m_options[kItemColour], {{IDC_ITEM_BLACK, 1}, {IDC_ITEM_THREE, 2}});
  BindRadio(m_options[kTextBackground], {{IDC_WHITE_GROUND, 0}, {IDC_TRANSPARENT, 1}});
  BindRadio(m_options[kMunicipalColour], {{IDC_MUNICIPAL_BLACK, 10}, {IDC_MUNICIPAL_GREY, 11}});
  BindToggle(m_options[kPlaceNames], IDC_PLACE_NAMES_BOX);
  BindToggle(m_options[kLatitudeAspect], IDC_ASPECT_BOX);
  BindToggle(m_options[kLakes], IDC_LAKES_BOX);
  BindToggle(m_options[kSymbolsOnly], IDC_SYMBOLS_ONLY_BOX);
  OnClicked(IDC_SUBPREFECTURE_BOX, [this] { OnSubprefectureClicked(); });
  BindRadio(m_prefectureColour, {{IDC_PREF_RED, "RED"}, {IDC_PREF_ORANGE, "ORNG"}, {IDC_PREF_BLUE, "BLUE"}});
  BindToggle(m_pointer, IDC_POINTER, "on", "off");
  BindToggle(m_options[kPrefectureBoundaries], IDC_PREFECTURE_BOX);
  OnClicked(IDC_PREFECTURE_BOX, [this] { ShowSubprefectureBox(); });
  OnClicked(IDC_MUNICIPAL_BOX, [this] { OnMunicipalClicked(); });
  OnNotify(IDC_DISPLAY_COUNT_BOX, CBN_SELCHANGE,
           [this] { m_options[kDisplayCount] = GetDlgItem(IDC_DISPLAY_COUNT_BOX)->GetCurSel(); });
  OnNotify(IDC_DATUM_BOX, CBN_SELCHANGE, [this] { m_options[kDatum] = GetDlgItem(IDC_DATUM_BOX)->GetCurSel(); });
}

void CWhiteMapSpecDlg::SetOptions(const CString& text) {
  const int hash = text.Find('#');
  CString rest = hash < 0 ? text : text.Left(hash);
  m_municipalData = hash < 0 ? CString() : text.Mid(hash + 1);
  for (int& option : m_options) {
    const int bar = rest.Find('|');
    option = Atoi(bar < 0 ? rest : rest.Left(bar));
    rest = bar < 0 ? CString() : rest.Mid(bar + 1);
  }
}

// Municipal boundaries without municipal data are switched off before the box
// is shown, so the box never shows a line the host cannot draw.
bool CWhiteMapSpecDlg::OnInitDialog() {
  if (m_options[kSymbolColour] == 3) m_options[kSymbolColour] = 1;
  if (m_municipalData.IsEmpty()) m_options[kMunicipalBoundaries] = 0;
  CDialog::OnInitDialog();
  CheckDlgButton(IDC_MUNICIPAL_BOX, m_options[kMunicipalBoundaries] == 1);
  GetDlgItem(IDC_DISPLAY_COUNT_BOX)->SetCurSel(m_options[kDisplayCount]);
  GetDlgItem(IDC_DATUM_BOX)->SetCurSel(m_options[kDatum]);
  ShowSubprefectureBox();
  return true;
}

void CWhiteMapSpecDlg::OnSubprefectureClicked() {
  m_options[kSubprefectureBoundaries] = m_options[kSubprefectureBoundaries] == 1 ? 0 : 1;
  ShowSubprefectureBox();
}

// The Hokkaido box shows no text and no tick while prefecture boundaries are
// off (its flag keeps its value).
void CWhiteMapSpecDlg::ShowSubprefectureBox() {
  const bool prefecture = m_options[kPrefectureBoundaries] == 1;
  SetDlgItemText(IDC_SUBPREFECTURE_BOX, prefecture ? kSubprefectureCaption : "");
  CheckDlgButton(IDC_SUBPREFECTURE_BOX, prefecture && m_options[kSubprefectureBoundaries] == 1);
}

void CWhiteMapSpecDlg::OnMunicipalClicked() {
  if (m_municipalData.IsEmpty()) {
    m_options[kMunicipalBoundaries] = 0;
  } else {
    m_options[kMunicipalBoundaries] = m_options[kMunicipalBoundaries] == 1 ? 0 : 1;
  }
  CheckDlgButton(IDC_MUNICIPAL_BOX, m_options[kMunicipalBoundaries]);
}

CString CWhiteMapSpecDlg::Result() const {
  CString result;
  for (int option : m_options) result.AppendFormat("%d|", option);
  return result + m_mapFile + "|" + m_pointer + "|" + m_prefectureColour;
}

CString entry::OnDlgWmapSpec(CString options, CString mapFile,
                                          CString pointer, CString prefectureColour) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CWhiteMapSpecDlg dlg;
  dlg.SetOptions(options);
  dlg.m_mapFile = mapFile;
  dlg.m_pointer = pointer;
  dlg.m_prefectureColour = prefectureColour;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
