#include "dialogs/appearance/white_map_spec_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kSymbolBlack = 121,
  kSymbolRed = 122,
  kItemName = 130,
  kItemHeight = 131,
  kItemBoth = 132,
  kRight = 133,
  kAbove = 134,
  kBelow = 135,
  kPointer = 142,
  kItemBlack = 147,
  kItemThree = 148,
  kPlaceNamesBox = 214,
  kDisplayCountBox = 1032,
  kWhiteGround = 1043,
  kTransparent = 1044,
  kDatumBox = 1065,
  kMunicipalBox = 1070,
  kMunicipalBlack = 1071,
  kMunicipalGrey = 1072,
  kSubprefectureBox = 1076,
  kPrefectureBox = 1186,
  kAspectBox = 1199,
  kSymbolsOnlyBox = 1308,
  kPrefRed = 1309,
  kPrefOrange = 1310,
  kPrefBlue = 1311,
  kLakesBox = 1468,
};

using Opt = CWhiteMapSpecDlg::Option;

struct RadioValue {
  int id;
  Opt option;
  int value;
};
const RadioValue kRadios[] = {
    {kItemName, Opt::kItems, 1},          {kItemHeight, Opt::kItems, 2},        {kItemBoth, Opt::kItems, 3},
    {kRight, Opt::kItemPosition, 1},      {kAbove, Opt::kItemPosition, 2},      {kBelow, Opt::kItemPosition, 3},
    {kSymbolBlack, Opt::kSymbolColour, 1}, {kSymbolRed, Opt::kSymbolColour, 2},
    {kItemBlack, Opt::kItemColour, 1},    {kItemThree, Opt::kItemColour, 2},
    {kWhiteGround, Opt::kTextBackground, 0}, {kTransparent, Opt::kTextBackground, 1},
    {kMunicipalBlack, Opt::kMunicipalColour, 10}, {kMunicipalGrey, Opt::kMunicipalColour, 11},
};

struct FlagBox {
  int id;
  Opt option;
};
// Check boxes that only flip their option.
const FlagBox kFlagBoxes[] = {
    {kPlaceNamesBox, Opt::kPlaceNames}, {kAspectBox, Opt::kLatitudeAspect}, {kLakesBox, Opt::kLakes},
    {kSymbolsOnlyBox, Opt::kSymbolsOnly}, {kSubprefectureBox, Opt::kSubprefectureBoundaries},
};

struct ColourRadio {
  int id;
  const char* text;
};
const ColourRadio kPrefectureColours[] = {{kPrefRed, "RED"}, {kPrefOrange, "ORNG"}, {kPrefBlue, "BLUE"}};

const char kSubprefectureCaption[] = "北海道 支庁界";

}  // namespace

CWhiteMapSpecDlg::CWhiteMapSpecDlg() : CDialog(kTemplateId) {
  for (const RadioValue& r : kRadios) OnClicked(r.id, [this, r] { m_options[r.option] = r.value; });
  for (const FlagBox& f : kFlagBoxes) OnClicked(f.id, [this, f] { Flip(f.id, f.option); });
  for (const ColourRadio& c : kPrefectureColours) OnClicked(c.id, [this, c] { m_prefectureColour = c.text; });
  OnClicked(kPointer, [this] {
    m_pointer = m_pointer == "on" ? "off" : "on";
    CheckDlgButton(kPointer, m_pointer == "on");
  });
  OnClicked(kPrefectureBox, [this] { OnPrefectureClicked(); });
  OnClicked(kMunicipalBox, [this] { OnMunicipalClicked(); });
  OnNotify(kDisplayCountBox, CBN_SELCHANGE,
           [this] { m_options[kDisplayCount] = GetDlgItem(kDisplayCountBox)->GetCurSel(); });
  OnNotify(kDatumBox, CBN_SELCHANGE, [this] { m_options[kDatum] = GetDlgItem(kDatumBox)->GetCurSel(); });
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
  CheckDlgButton(kMunicipalBox, m_options[kMunicipalBoundaries] == 1);
  GetDlgItem(kDisplayCountBox)->SetCurSel(m_options[kDisplayCount]);
  GetDlgItem(kDatumBox)->SetCurSel(m_options[kDatum]);
  CheckDlgButton(kPointer, m_pointer == "on");
  CheckDlgButton(kPrefectureBox, m_options[kPrefectureBoundaries] == 1);
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
  if (id == kSubprefectureBox) ShowSubprefectureBox();
}

// The Hokkaido box shows no text and no tick while prefecture boundaries are
// off (its flag keeps its value).
void CWhiteMapSpecDlg::ShowSubprefectureBox() {
  const bool prefecture = m_options[kPrefectureBoundaries] == 1;
  SetDlgItemText(kSubprefectureBox, prefecture ? kSubprefectureCaption : "");
  CheckDlgButton(kSubprefectureBox, prefecture && m_options[kSubprefectureBoundaries] == 1);
}

void CWhiteMapSpecDlg::OnPrefectureClicked() {
  m_options[kPrefectureBoundaries] = m_options[kPrefectureBoundaries] == 1 ? 0 : 1;
  CheckDlgButton(kPrefectureBox, m_options[kPrefectureBoundaries]);
  ShowSubprefectureBox();
}

void CWhiteMapSpecDlg::OnMunicipalClicked() {
  if (m_municipalData.IsEmpty()) {
    m_options[kMunicipalBoundaries] = 0;
  } else {
    m_options[kMunicipalBoundaries] = m_options[kMunicipalBoundaries] == 1 ? 0 : 1;
  }
  CheckDlgButton(kMunicipalBox, m_options[kMunicipalBoundaries]);
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
