#include "dialogs/areas/area_file_update_dlg.h"

#include "dialogs/areas/area_record_view.h"
#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kMap250m = 1334,
  kMap50m = 1335,
  kGroups = 1414,
  kNames = 1415,
  kStart = 1416,
  kPattern = 1417,
  kColour = 1418,
  kDate = 1419,
  kRecordCount = 1420,
  kSelectionFrame = 1437,
  kEditData = 1438,
  kMap1km = 1464,
};

constexpr const char* kLinearTitle = "      線形の選択";
constexpr const char* kLinearFrame = "線形の選択";
constexpr const char* kNoRecords = "未登録";
constexpr AreaRecordFields kRecordFields = {kPattern, kColour, kDate, kStart};

// The map kind radio buttons and the word each one stands for.
constexpr struct {
  int id;
  const char* kind;
} kMapKinds[] = {{kMap250m, "SEM"}, {kMap50m, "MEM"}, {kMap1km, "TEM"}};

// The host splits the result at "|" and the first field at " ": an empty field
// is written as a placeholder so that the fields after it keep their places.
CString OrPlaceholder(const CString& text, const char* placeholder) { return text.IsEmpty() ? placeholder : text; }

}  // namespace

CAreaFileUpdateDlg::CAreaFileUpdateDlg() : CDialog(kTemplateId) {
  OnNotify(kGroups, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnNotify(kNames, CBN_SELCHANGE, [this] { OnNameChosen(); });
  OnClicked(kEditData, [this] { OnEditData(); });
  for (const auto& map : kMapKinds) OnClicked(map.id, [this, kind = map.kind] { m_mapKind = kind; });
}

// Run again after a group change and after the editor: the chosen group's file
// is read anew each time.
bool CAreaFileUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_initialised == -1) {
    m_initialised = 1;
    FillAreaGroupNames(GetDlgItem(kGroups), m_groupNames);
  }
  if (m_linearFlag == 1) {
    SetWindowText(kLinearTitle);
    SetDlgItemText(kSelectionFrame, kLinearFrame);
  }
  if (m_group != -1) ReadGroupFile();
  int checked = 0;
  for (const auto& map : kMapKinds) {
    if (m_mapKind == map.kind) checked = map.id;
  }
  CheckRadioButton(kMap250m, kMap1km, checked);
  return true;
}

// Unlike the area selection, the name box and the count always follow the
// file, and record 0 is shown even when there is none: the end marker then.
void CAreaFileUpdateDlg::ReadGroupFile() {
  m_areaPath = AreaFilePath(m_dataDirectory, m_linearFlag, m_group);
  m_records = ReadAreaRecords(m_areaPath);
  m_recordCount = static_cast<int>(m_records.size());
  FillAreaNames(GetDlgItem(kNames), m_records);
  GetDlgItem(kNames)->SetCurSel(0);
  ShowRecord(0);
  SetDlgItemText(kRecordCount, m_recordCount == 0 ? CString(kNoRecords)
                                                  : CString::Formatted("登録数=%d", m_recordCount));
}

void CAreaFileUpdateDlg::ShowRecord(int index) {
  const AreaRecord record = AreaRecordAt(m_records, index);
  ShowAreaRecord(*this, kRecordFields, record);
  m_currentStart = record.start;
  m_currentDescriptor = record.descriptor;
}

void CAreaFileUpdateDlg::OnGroupChosen() {
  const int index = GetDlgItem(kGroups)->GetCurSel();
  if (index < 0) return;
  m_group = index;
  OnInitDialog();
}

void CAreaFileUpdateDlg::OnNameChosen() {
  const int index = GetDlgItem(kNames)->GetCurSel();
  if (index < 0) return;
  SetDlgItemText(kRecordCount, CString::Formatted("   %d/%d", index + 1, m_recordCount));
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
