#include "dialogs/appearance/white_map_spec_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/143.h"

namespace topodlg {
using namespace res143;

namespace {

using Opt = CWhiteMapSpecDlg::Option;

struct RadioValue {
  int id;
  Opt option;
  int value;
};
const RadioValue kRadios[] = {
    {IDC_ITEM_NAME, Opt::kItems, 1},          {IDC_ITEM_HEIGHT, Opt::kItems, 2},        {IDC_ITEM_BOTH, Opt::kItems, 3},
    {IDC_RIGHT, Opt::kItemPosition, 1},      {IDC_ABOVE, Opt::kItemPosition, 2},      {IDC_BELOW, Opt::kItemPosition, 3},
    {IDC_SYMBOL_BLACK, Opt::kSymbolColour, 1}, {IDC_SYMBOL_RED, Opt::kSymbolColour, 2},
    {IDC_ITEM_BLACK, Opt::kItemColour, 1},    {IDC_ITEM_THREE, Opt::kItemColour, 2},
    {IDC_WHITE_GROUND, Opt::kTextBackground, 0}, {IDC_TRANSPARENT, Opt::kTextBackground, 1},
    {IDC_MUNICIPAL_BLACK, Opt::kMunicipalColour, 10}, {IDC_MUNICIPAL_GREY, Opt::kMunicipalColour, 11},
};

struct FlagBox {
  int id;
  Opt option;
};
// Check boxes that only flip their option.
const FlagBox kFlagBoxes[] = {
    {IDC_PLACE_NAMES_BOX, Opt::kPlaceNames}, {IDC_ASPECT_BOX, Opt::kLatitudeAspect}, {IDC_LAKES_BOX, Opt::kLakes},
    {IDC_SYMBOLS_ONLY_BOX, Opt::kSymbolsOnly}, {IDC_SUBPREFECTURE_BOX, Opt::kSubprefectureBoundaries},
};

struct ColourRadio {
  int id;
  const char* text;
};
const ColourRadio kPrefectureColours[] = {{IDC_PREF_RED, "RED"}, {IDC_PREF_ORANGE, "ORNG"}, {IDC_PREF_BLUE, "BLUE"}};

const char kSubprefectureCaption[] = "北海道 支庁界";

}  // namespace

CWhiteMapSpecDlg::CWhiteMapSpecDlg() : CDialog(kTemplateId) {
  for (const RadioValue& r : kRadios) OnClicked(r.id, [this, r] { m_options[r.option] = r.value; });
  for (const FlagBox& f : kFlagBoxes) OnClicked(f.id, [this, f] { Flip(f.id, f.option); });
  for (const ColourRadio& c : kPrefectureColours) OnClicked(c.id, [this, c] { m_prefectureColour = c.text; });
  OnClicked(IDC_POINTER, [this] {
    m_pointer = m_pointer == "on" ? "off" : "on";
    CheckDlgButton(IDC_POINTER, m_pointer == "on");
  });
  OnClicked(IDC_PREFECTURE_BOX, [this] { OnPrefectureClicked(); });
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
  CDialog::OnInitDialog();
  if (m_options[kSymbolColour] == 3) m_options[kSymbolColour] = 1;
  if (m_municipalData.IsEmpty()) m_options[kMunicipalBoundaries] = 0;
  for (const RadioValue& r : kRadios) {
    if (m_options[r.option] == r.value) CheckDlgButton(r.id, 1);
  }
  for (const FlagBox& f : kFlagBoxes) CheckDlgButton(f.id, m_options[f.option] == 1);
  CheckDlgButton(IDC_MUNICIPAL_BOX, m_options[kMunicipalBoundaries] == 1);
  GetDlgItem(IDC_DISPLAY_COUNT_BOX)->SetCurSel(m_options[kDisplayCount]);
  GetDlgItem(IDC_DATUM_BOX)->SetCurSel(m_options[kDatum]);
  CheckDlgButton(IDC_POINTER, m_pointer == "on");
  CheckDlgButton(IDC_PREFECTURE_BOX, m_options[kPrefectureBoundaries] == 1);
  ShowSubprefectureBox();
  for (const ColourRadio& c : kPrefectureColours) {
    if (m_prefectureColour == c.text) CheckDlgButton(c.id, 1);
  }
  return true;
}

// A flag of 1 shows ticked and flips to 0; any other value shows clear and
// flips to 1, so the box always shows what the host gets.
void CWhiteMapSpecDlg::Flip(int id, int option) {
  m_options[option] = m_options[option] == 1 ? 0 : 1;
  CheckDlgButton(id, m_options[option]);
  if (id == IDC_SUBPREFECTURE_BOX) ShowSubprefectureBox();
}

// The Hokkaido box shows no text and no tick while prefecture boundaries are
// off (its flag keeps its value).
void CWhiteMapSpecDlg::ShowSubprefectureBox() {
  const bool prefecture = m_options[kPrefectureBoundaries] == 1;
  SetDlgItemText(IDC_SUBPREFECTURE_BOX, prefecture ? kSubprefectureCaption : "");
  CheckDlgButton(IDC_SUBPREFECTURE_BOX, prefecture && m_options[kSubprefectureBoundaries] == 1);
}

void CWhiteMapSpecDlg::OnPrefectureClicked() {
  m_options[kPrefectureBoundaries] = m_options[kPrefectureBoundaries] == 1 ? 0 : 1;
  CheckDlgButton(IDC_PREFECTURE_BOX, m_options[kPrefectureBoundaries]);
  ShowSubprefectureBox();
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
