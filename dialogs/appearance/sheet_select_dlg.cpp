#include "dialogs/appearance/sheet_select_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kLatitude = 1220,
  kLongitude = 1221,
  kMeshCode = 1222,
  kRegionName = 1223,
  kSheetCount = 1231,
  kSheets = 1232,
  kOneSheetRadio = 1234,
  kNineSheetsRadio = 1235,
};

struct RegionButton {
  int id;
  const char* region;
};
const RegionButton kRegionButtons[] = {
    {1224, "全国"},     {1225, "北海道"},   {1226, "東北"},     {1227, "関東信越"},
    {1228, "近畿中部"}, {1229, "中国四国"}, {1230, "九州沖縄"},
};

}  // namespace

CSheetSelectDlg::CSheetSelectDlg() : CDialog(kTemplateId) {
  for (const RegionButton& b : kRegionButtons) OnClicked(b.id, [this, b] { OnRegion(b.region); });
  OnClicked(kOneSheetRadio, [this] { m_sheetMode = kOneSheet; });
  OnClicked(kNineSheetsRadio, [this] { m_sheetMode = kNineSheets; });
  OnNotify(kSheets, CBN_SELCHANGE, [this] { OnSheetChosen(); });
  OnNotify(kSheets, CBN_DBLCLK, [this] { OnSheetChosen(); });
}

bool CSheetSelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ListSheets();
  return true;
}

void CSheetSelectDlg::OnRegion(const char* region) {
  m_region = region;
  ListSheets();
}

// Lists the sheets of the region and shows the current sheet's position when
// the list has it. An unknown region keeps the bounds it had.
void CSheetSelectDlg::ListSheets() {
  CheckRadioButton(kOneSheetRadio, kNineSheetsRadio, m_sheetMode == kOneSheet ? kOneSheetRadio : kNineSheetsRadio);
  RegionBoundsOf(m_region, m_bounds);
  SetDlgItemText(kRegionName, m_region);
  CComboBox* sheets = GetDlgItem(kSheets);
  sheets->ResetContent();
  m_lineCount = 0;
  const CString* current = nullptr;
  for (const CString& line : m_lines) {
    if (line.IsEmpty() || !LineWithin(line, m_bounds)) continue;
    sheets->AddString(SheetNameOf(line));
    ++m_lineCount;
    if (!current && !m_sheetName.IsEmpty() && line.Find(m_sheetName) >= 0) current = &line;
  }
  SetDlgItemText(kSheetCount, CString::Formatted("図幅数=%d", m_lineCount));
  if (m_sheetName.IsEmpty()) return;
  sheets->SetWindowText(m_sheetName);
  const int index = sheets->FindStringExact(-1, m_sheetName);
  if (index >= 0 && current) {
    sheets->SetCurSel(index);
    SetDlgItemText(kLatitude, " " + LatitudeOf(*current));
    SetDlgItemText(kLongitude, LongitudeOf(*current));
  }
}

void CSheetSelectDlg::OnSheetChosen() {
  CComboBox* sheets = GetDlgItem(kSheets);
  const int index = sheets->GetCurSel();
  if (index < 0) return;
  SheetChoice choice;
  if (!ChooseSheet(m_lines, sheets->GetLBText(index), choice)) return;
  m_selectedLine = choice.line;
  m_sheetName = choice.name;
  m_meshCode = choice.meshCode;
  SetDlgItemText(kLatitude, " " + choice.latitude);
  SetDlgItemText(kLongitude, choice.longitude);
  SetDlgItemText(kMeshCode, choice.meshCode);
}

CString CSheetSelectDlg::Result() const { return CString::Formatted("%d|", m_sheetMode) + m_sheetName + "|" + m_region; }

CString entry::OnWhiteMapAccess(CString cataloguePath, CString region,
                                             CString sheetName, int sheetMode) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CSheetSelectDlg dlg;
  dlg.m_lines = ReadSheetCatalogue(cataloguePath);
  dlg.m_region = region;
  dlg.m_sheetName = sheetName;
  dlg.m_sheetMode = sheetMode;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
