#include "dialogs/areas/area_select_dlg.h"

#include "dialogs/areas/area_legend_set_dlg.h"
#include "dialogs/areas/area_record_view.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/192.h"

namespace topodlg {
using namespace res192;
namespace {

constexpr const char* kWholeGroupLine = "このｸﾞﾙｰﾌﾟをすべて選択";
constexpr const char* kNoRecords = "未登録";
constexpr AreaRecordFields kRecordFields = {IDC_PATTERN, IDC_COLOUR, IDC_DATE, IDC_START};

// The texts of linear mode.
constexpr const char* kLinearTitle = "      線形の選択";
constexpr struct {
  int id;
  const char* text;
} kLinearLabels[] = {
    {IDC_SHOW_CHECK, "線形を表示する"},
    {IDC_SELECTION_FRAME, "線形の選択"},
    {IDC_WHOLE_GROUP_CHECK, "このｸﾞﾙｰﾌﾟの線形をすべて選択する"},
    {IDC_HINT, "表示中の線形：ﾀﾞﾌﾞﾙｸﾘｯｸで再表示"},
    {IDC_STYLE_FRAME, "線の色"},
    {IDC_DISPLAYED_LABEL, "表示中の線形"},
    {IDC_CONTOURS, "青太線"},
    {IDC_PATTERN_ONLY, "赤太線"},
    {IDC_PATTERN_AND_CONTOURS, "指定された色"},
};

}  // namespace

// A double click in the displayed-areas list has no handler: the hint beside
// the list speaks of the host, which reads the list selection from the result.
CAreaSelectDlg::CAreaSelectDlg() : CDialog(kTemplateId) {
  m_displayed.fill(kAreaEndMarker);
  BindToggle(m_displayFlag, IDC_SHOW_CHECK);
  OnClicked(IDC_SHOW_CHECK, [this] { OnShowCheck(); });
  OnClicked(IDC_CLEAR_ALL, [this] { OnClearAll(); });
  OnNotify(IDC_NAMES, CBN_SELCHANGE, [this] { OnNameChosen(); });
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnNotify(IDC_DISPLAYED_LIST, LBN_SELCHANGE, [this] { OnDisplayedChosen(); });
  // A background the dialog does not know checks no radio.
  BindRadio(m_background, {{IDC_CONTOURS, 0}, {IDC_PATTERN_AND_CONTOURS, 1}, {IDC_PATTERN_ONLY, 2}});
  BindToggle(m_wholeGroupFlag, IDC_WHOLE_GROUP_CHECK);
  OnClicked(IDC_WHOLE_GROUP_CHECK, [this] { OnWholeGroupCheck(); });
  BindToggle(m_titleFlag, IDC_TITLE_CHECK);
  OnClicked(IDC_LEGEND_SETTINGS, [this] { OnLegendSettings(); });
}

void CAreaSelectDlg::SetDisplayedAreas(const CString& words) {
  m_displayed.fill(kAreaEndMarker);
  int from = 0;
  for (CString& entry : m_displayed) {
    const int blank = words.Find(' ', from);
    if (blank < 0) break;
    entry = words.Mid(from, blank - from);
    if (entry == kAreaEndMarker) break;
    from = blank + 1;
  }
}

// Run again after each group change: the group box is filled only once.
bool CAreaSelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_initialised == -1) {
    m_initialised = 1;
    FillAreaGroupNames(GetDlgItem(IDC_GROUPS), m_groupNames);
    GetDlgItem(IDC_GROUPS)->SetCurSel(m_group);
  }
  if (m_linearFlag == 1) Relabel();
  ReadGroupFile();
  if (m_displayFlag == 1) ShowDisplayedAreas();
  return true;
}

void CAreaSelectDlg::Relabel() {
  SetWindowText(kLinearTitle);
  for (const auto& label : kLinearLabels) SetDlgItemText(label.id, label.text);
}

// A file without records leaves the name box, the record count and the record
// shown as they were; the names left in the box then choose nothing.
void CAreaSelectDlg::ReadGroupFile() {
  m_areaPath = AreaFilePath(m_dataDirectory, m_linearFlag, m_group);
  m_records = ReadAreaRecords(m_areaPath);
  if (m_records.empty()) {
    SetDlgItemText(IDC_RECORD_COUNT, kNoRecords);
    return;
  }
  m_recordCount = static_cast<int>(m_records.size());
  FillAreaNames(GetDlgItem(IDC_NAMES), m_records);
  GetDlgItem(IDC_NAMES)->SetCurSel(0);
  ShowRecord(0);
  const bool countDisplayed = m_wholeGroupFlag == 1 && m_displayedCount > 520;
  SetDlgItemText(IDC_RECORD_COUNT, CString::Formatted("登録数=%d", countDisplayed ? m_displayedCount : m_recordCount));
}

void CAreaSelectDlg::ShowDisplayedAreas() {
  CheckDlgButton(IDC_SHOW_CHECK, 1);
  CWnd* list = GetDlgItem(IDC_DISPLAYED_LIST);
  list->ResetContent();
  if (m_wholeGroupFlag != 1) {
    CString lastAdded;
    for (int i = 0; i < kDisplayedCapacity && i < m_displayedCount; ++i) {
      const CString& entry = m_displayed[static_cast<size_t>(i)];
      if (entry == kAreaEndMarker) break;
      const int blank = entry.Find(' ');
      lastAdded = blank < 0 ? entry : entry.Left(blank);
      list->AddString(lastAdded);
    }
    if (m_selectedRecord >= 0) ShowRecord(m_selectedRecord);
    if (!lastAdded.IsEmpty()) GetDlgItem(IDC_NAMES)->SetWindowText(lastAdded);
  } else {
    list->AddString(kWholeGroupLine);
  }
  SetDlgItemText(IDC_DISPLAYED_COUNT, CString::Formatted("%d", m_displayedCount));
}

// The host may pass a selected record the file does not have (the file was
// edited, or the group changed): it shows as an empty record, so the result
// names no area rather than the end marker or an area of another group.
void CAreaSelectDlg::ShowRecord(int index) {
  const bool held = index >= 0 && index < static_cast<int>(m_records.size());
  const AreaRecord record = held ? m_records[static_cast<size_t>(index)] : AreaRecord{};
  ShowAreaRecord(*this, kRecordFields, record);
  m_currentStart = record.start;
  m_currentDescriptor = record.descriptor;
}

void CAreaSelectDlg::OnShowCheck() {
  if (m_displayFlag == 1 && m_selectedRecord < 0) m_selectedRecord = 0;
}

void CAreaSelectDlg::OnClearAll() {
  m_displayed.fill(kAreaEndMarker);
  m_selectedRecord = -1;
  GetDlgItem(IDC_DISPLAYED_LIST)->ResetContent();
  m_wholeGroupFlag = 0;
  m_displayFlag = 0;
  CheckDlgButton(IDC_SHOW_CHECK, 0);
  EndDialog(IDOK);
}

void CAreaSelectDlg::OnNameChosen() {
  if (m_records.empty()) return;
  const int index = GetDlgItem(IDC_NAMES)->GetCurSel();
  if (index < 0) return;
  SetDlgItemText(IDC_RECORD_COUNT, CString::Formatted("       %d/%d", index + 1, m_recordCount));
  ShowRecord(index);
  m_selectedRecord = index;
  m_displayFlag = 1;
  CheckDlgButton(IDC_SHOW_CHECK, 1);
}

void CAreaSelectDlg::OnGroupChosen() {
  const int index = GetDlgItem(IDC_GROUPS)->GetCurSel();
  if (index < 0) return;
  m_group = index;
  OnInitDialog();
}

void CAreaSelectDlg::OnDisplayedChosen() {
  const int index = GetDlgItem(IDC_DISPLAYED_LIST)->GetCurSel();
  if (index < 0) return;
  m_listSelection = index;
  SetDlgItemText(IDC_DISPLAYED_COUNT, CString::Formatted("%d/%d", index + 1, m_displayedCount));
}

void CAreaSelectDlg::OnWholeGroupCheck() {
  CWnd* list = GetDlgItem(IDC_DISPLAYED_LIST);
  list->ResetContent();
  if (m_wholeGroupFlag == 1) {
    m_displayFlag = 1;
    CheckDlgButton(IDC_SHOW_CHECK, 1);
    list->AddString(kWholeGroupLine);
  } else {
    m_displayFlag = 0;
    CheckDlgButton(IDC_SHOW_CHECK, 0);
    m_selectedRecord = -1;
  }
}

// The legend settings write the legend file themselves; nothing here depends
// on it, so nothing is reloaded afterwards.
void CAreaSelectDlg::OnLegendSettings() {
  CAreaLegendSetDlg settings;
  settings.m_dataDirectory = m_dataDirectory;
  settings.m_editorPath = m_editorPath;
  settings.m_linearFlag = m_linearFlag;
  settings.m_group = m_group;
  if (m_group >= 0 && m_group < static_cast<int>(m_groupNames.size())) {
    settings.m_groupName = m_groupNames[static_cast<size_t>(m_group)];
  }
  settings.DoModal();
}

CString CAreaSelectDlg::Result() const {
  CString result = CString::Formatted("%d %d %d %d %d %d %d ", m_displayFlag, m_group, m_selectedRecord, m_background,
                                      m_wholeGroupFlag, m_titleFlag, m_listSelection);
  return result + m_areaPath + "|" + m_currentDescriptor + "|" + m_currentStart;
}

CString entry::OnDlgArDsp(int linearFlag, int displayFlag, int selectedRecord, int listSelection, int displayedCount,
                          int group, int background, int wholeGroupFlag, int titleFlag, CString groupName0,
                          CString groupName1, CString groupName2, CString groupName3, CString groupName4,
                          CString dataDirectory, CString editorPath, CString areaPath, CString displayedAreas) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CAreaSelectDlg dlg;
  dlg.m_linearFlag = linearFlag;
  dlg.m_displayFlag = displayFlag;
  dlg.m_selectedRecord = selectedRecord;
  dlg.m_listSelection = listSelection;
  dlg.m_displayedCount = displayedCount;
  dlg.m_group = group;
  dlg.m_background = background;
  dlg.m_wholeGroupFlag = wholeGroupFlag;
  dlg.m_titleFlag = titleFlag;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_editorPath = editorPath;
  dlg.m_areaPath = areaPath;
  dlg.SetDisplayedAreas(displayedAreas);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
