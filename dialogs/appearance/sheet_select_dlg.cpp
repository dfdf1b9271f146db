#include "dialogs/appearance/sheet_select_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/177.h"

namespace topodlg {
using namespace res177;

namespace {

struct RegionButton {
  int id;
  const char* region;
};
const RegionButton kRegionButtons[] = {
    {IDC_ALL_JAPAN, "全国"},     {IDC_HOKKAIDO, "北海道"},   {IDC_TOHOKU, "東北"},     {IDC_KANTO_SHINETSU, "関東信越"},
    {IDC_KINKI_CHUBU, "近畿中部"}, {IDC_CHUGOKU_SHIKOKU, "中国四国"}, {IDC_KYUSHU_OKINAWA, "九州沖縄"},
};

}  // namespace

CSheetSelectDlg::CSheetSelectDlg() : CDialog(kTemplateId) {
  for (const RegionButton& b : kRegionButtons) OnClicked(b.id, [this, b] { OnRegion(b.region); });
  BindRadio(m_sheetMode, {{IDC_ONE_SHEET_RADIO, kOneSheet}, {IDC_NINE_SHEETS_RADIO, kNineSheets}})
      .Otherwise(IDC_NINE_SHEETS_RADIO);
  OnNotify(IDC_SHEETS, CBN_SELCHANGE, [this] { OnSheetChosen(); });
  OnNotify(IDC_SHEETS, CBN_DBLCLK, [this] { OnSheetChosen(); });
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
  RegionBoundsOf(m_region, m_bounds);
  SetDlgItemText(IDC_REGION_NAME, m_region);
  CComboBox* sheets = GetDlgItem(IDC_SHEETS);
  sheets->ResetContent();
  m_lineCount = 0;
  const CString* current = nullptr;
  for (const CString& line : m_lines) {
    if (line.IsEmpty() || !LineWithin(line, m_bounds)) continue;
    sheets->AddString(SheetNameOf(line));
    ++m_lineCount;
    if (!current && !m_sheetName.IsEmpty() && line.Find(m_sheetName) >= 0) current = &line;
  }
  SetDlgItemText(IDC_SHEET_COUNT, CString::Formatted("図幅数=%d", m_lineCount));
  if (m_sheetName.IsEmpty()) return;
  sheets->SetWindowText(m_sheetName);
  const int index = sheets->FindStringExact(-1, m_sheetName);
  if (index >= 0 && current) {
    sheets->SetCurSel(index);
    SetDlgItemText(IDC_LATITUDE, " " + LatitudeOf(*current));
    SetDlgItemText(IDC_LONGITUDE, LongitudeOf(*current));
  }
}

void CSheetSelectDlg::OnSheetChosen() {
  CComboBox* sheets = GetDlgItem(IDC_SHEETS);
  const int index = sheets->GetCurSel();
  if (index < 0) return;
  SheetChoice choice;
  if (!ChooseSheet(m_lines, sheets->GetLBText(index), choice)) return;
  m_selectedLine = choice.line;
  m_sheetName = choice.name;
  m_meshCode = choice.meshCode;
  SetDlgItemText(IDC_LATITUDE, " " + choice.latitude);
  SetDlgItemText(IDC_LONGITUDE, choice.longitude);
  SetDlgItemText(IDC_MESH_CODE, choice.meshCode);
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
