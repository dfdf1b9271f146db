#include "dialogs/areas/area_file_update_dlg.h"

#include "dialogs/areas/area_record_view.h"
#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/201.h"

namespace topodlg {
using namespace res201;
namespace {

constexpr const char* kLinearTitle = "      線形の選択";
constexpr const char* kLinearFrame = "線形の選択";
constexpr const char* kNoRecords = "未登録";
constexpr AreaRecordFields kRecordFields = {IDC_PATTERN, IDC_COLOUR, IDC_DATE, IDC_START};

// The host splits the result at "|" and the first field at " ": an empty field
// is written as a placeholder so that the fields after it keep their places.
CString OrPlaceholder(const CString& text, const char* placeholder) { return text.IsEmpty() ? placeholder : text; }

}  // namespace

CAreaFileUpdateDlg::CAreaFileUpdateDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnNotify(IDC_NAMES, CBN_SELCHANGE, [this] { OnNameChosen(); });
  OnClicked(IDC_EDIT_DATA, [this] { OnEditData(); });
  // A map kind the dialog does not know checks no radio.
  BindRadio(m_mapKind, {{IDC_MAP_250M, "SEM"}, {IDC_MAP_50M, "MEM"}, {IDC_MAP_1KM, "TEM"}});
}

// Run again after a group change and after the editor: the chosen group's file
// is read anew each time.
bool CAreaFileUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_initialised == -1) {
    m_initialised = 1;
    FillAreaGroupNames(GetDlgItem(IDC_GROUPS), m_groupNames);
  }
  if (m_linearFlag == 1) {
    SetWindowText(kLinearTitle);
    SetDlgItemText(IDC_SELECTION_FRAME, kLinearFrame);
  }
  if (m_group != -1) ReadGroupFile();
  return true;
}

// Unlike the area selection, the name box and the count always follow the
// file, and record 0 is shown even when there is none: the end marker then.
void CAreaFileUpdateDlg::ReadGroupFile() {
  m_areaPath = AreaFilePath(m_dataDirectory, m_linearFlag, m_group);
  m_records = ReadAreaRecords(m_areaPath);
  m_recordCount = static_cast<int>(m_records.size());
  FillAreaNames(GetDlgItem(IDC_NAMES), m_records);
  GetDlgItem(IDC_NAMES)->SetCurSel(0);
  ShowRecord(0);
  SetDlgItemText(IDC_RECORD_COUNT, m_recordCount == 0 ? CString(kNoRecords)
                                                  : CString::Formatted("登録数=%d", m_recordCount));
}

void CAreaFileUpdateDlg::ShowRecord(int index) {
  const AreaRecord record = AreaRecordAt(m_records, index);
  ShowAreaRecord(*this, kRecordFields, record);
  m_currentStart = record.start;
  m_currentDescriptor = record.descriptor;
}

void CAreaFileUpdateDlg::OnGroupChosen() {
  const int index = GetDlgItem(IDC_GROUPS)->GetCurSel();
  if (index < 0) return;
  m_group = index;
  OnInitDialog();
}

void CAreaFileUpdateDlg::OnNameChosen() {
  const int index = GetDlgItem(IDC_NAMES)->GetCurSel();
  if (index < 0) return;
  SetDlgItemText(IDC_RECORD_COUNT, CString::Formatted("   %d/%d", index + 1, m_recordCount));
  ShowRecord(index);
  m_selectedRecord = index;
}

// Before a group is chosen there is no file: the editor starts on nothing.
void CAreaFileUpdateDlg::OnEditData() {
  RunEditorAndWait(m_editorPath, m_areaPath);
  OnInitDialog();
}

CString CAreaFileUpdateDlg::Result() const {
  return CString::Formatted("%d ", m_group) + OrPlaceholder(m_currentStart, "* *") + "|" +
         OrPlaceholder(m_areaPath, "*") + "|" + OrPlaceholder(m_mapKind, "*") + "|" +
         OrPlaceholder(m_currentDescriptor, "*");
}

CString entry::OnDlgTalUp(int linearFlag, CString groupName0, CString groupName1, CString groupName2,
                          CString groupName3, CString groupName4, CString dataDirectory, CString mapKind,
                          CString editorPath) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CAreaFileUpdateDlg dlg;
  dlg.m_linearFlag = linearFlag;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_mapKind = mapKind;
  dlg.m_editorPath = editorPath;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
