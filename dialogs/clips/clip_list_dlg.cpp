#include "dialogs/clips/clip_list_dlg.h"

#include <algorithm>

#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/190.h"

namespace topodlg {
using namespace res190;
namespace {

// Record fields by meaning.
enum Field : int {
  kFieldTitle = 0,
  kFieldMapName = 1,
  kFieldMapFile = 2,
  kFieldMeshCode = 3,
  kFieldSouthWestSecond = 4,
  kFieldSouthWestFirst = 5,
  kFieldNorthEastSecond = 6,
  kFieldNorthEastFirst = 7,
  kFieldPlaceNameFile = 8,
  kFieldPointInfoFile = 9,
  kFieldKind = 10,
  kFieldMeshTotal = 11,
  kFieldMeshCoords = 12,
  kFieldDate = 13,
};

// The contour interval a clip is shown with when contours come on without a
// value of their own.
constexpr int kDefaultContour = 100;
// Colouring that comes back on after having been off from the start.
constexpr int kDefaultColouring = 6;

}  // namespace

CClipListDlg::CClipListDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnSelectGroup(); });
  OnNotify(IDC_CLIPS, LBN_SELCHANGE, [this] { OnSelectClip(); });
  OnClicked(IDC_EDIT, [this] { OnEdit(); });
  OnClicked(IDC_COLOURING, [this] { OnColouring(); });
  OnClicked(IDC_CONTOURS, [this] { OnContours(); });
}

// Also run after editing: whatever group was shown, group 0 is shown again.
bool CClipListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_paths = ClipGroupPaths(m_group0Path);
  LoadGroup(0);
  CWnd* groups = GetDlgItem(IDC_GROUPS);
  groups->ResetContent();
  for (const CString& name : m_groupNames) groups->AddString(name);
  groups->SetCurSel(0);
  SetDlgItemText(IDC_GROUP_LABEL, "ｸﾞﾙｰﾌﾟ1");

  if (m_savedColouring == -1) m_savedColouring = m_colouring;
  CheckDlgButton(IDC_COLOURING, m_colouring != kColouringOff);
  if (m_savedContour == -1) m_savedContour = m_contour;
  CheckDlgButton(IDC_CONTOURS, m_contour != kContoursOff);
  return true;
}

// The highest list index is one less than the number of clips, and 0 for a
// group without clips as for a group with one.
void CClipListDlg::LoadGroup(int group) {
  m_currentPath = m_paths[group];
  CWnd* clips = GetDlgItem(IDC_CLIPS);
  clips->ResetContent();
  const std::vector<CString> records = ReadClipRecords(m_currentPath);
  for (const CString& record : records) clips->AddString(ClipRecordTitle(record));
  m_highest = std::max(static_cast<int>(records.size()) - 1, 0);
  m_highestOf[group] = m_highest;
  SetDlgItemText(IDC_COUNT, CString::Formatted("登録=%d", m_highest));
}

void CClipListDlg::OnSelectGroup() {
  const int group = GetDlgItem(IDC_GROUPS)->GetCurSel();
  if (group < 0 || group >= kClipGroupCount) return;
  SetDlgItemText(IDC_GROUP_LABEL, CString::Formatted("ｸﾞﾙｰﾌﾟ%d", group + 1));
  LoadGroup(group);
}

// The file is read again, so the clip shown is the one the file holds now. If
// the file has lost that record since the list was filled, the choice before
// stays.
void CClipListDlg::OnSelectClip() {
  const int index = GetDlgItem(IDC_CLIPS)->GetCurSel();
  if (index < 0) return;
  const std::optional<CString> record = ReadClipRecordAt(m_currentPath, index);
  if (!record) return;
  m_chosen = SplitClipRecord(*record);
  ShowChosenClip();
  if (index <= m_highest) SetDlgItemText(IDC_COUNT, CString::Formatted("%d/%d", index + 1, m_highest));
}

void CClipListDlg::ShowChosenClip() {
  SetDlgItemText(IDC_MAP_NAME, m_chosen[kFieldMapName]);
  SetDlgItemText(IDC_MAP_FILE, m_chosen[kFieldMapFile]);
  SetDlgItemText(IDC_MESH_CODE, m_chosen[kFieldMeshCode]);
  SetDlgItemText(IDC_SOUTH_WEST_SECOND, m_chosen[kFieldSouthWestSecond]);
  SetDlgItemText(IDC_SOUTH_WEST_FIRST, m_chosen[kFieldSouthWestFirst]);
  SetDlgItemText(IDC_NORTH_EAST_SECOND, m_chosen[kFieldNorthEastSecond]);
  SetDlgItemText(IDC_NORTH_EAST_FIRST, m_chosen[kFieldNorthEastFirst]);
  SetDlgItemText(IDC_PLACE_NAME_FILE, m_chosen[kFieldPlaceNameFile]);
  SetDlgItemText(IDC_KIND, m_chosen[kFieldKind]);
  SetDlgItemText(IDC_MESH_TOTAL, m_chosen[kFieldMeshTotal]);
  SetDlgItemText(IDC_MESH_COORDS, m_chosen[kFieldMeshCoords]);
  SetDlgItemText(IDC_DATE, m_chosen[kFieldDate]);
}

void CClipListDlg::OnEdit() {
  RunEditorAndWait(m_editorProgram, m_currentPath);
  OnInitDialog();
}

// Terrain colouring and contours are never both off: switching colouring off
// brings contours back.
void CClipListDlg::OnColouring() {
  if (m_colouring != kColouringOff) {
    m_colouring = kColouringOff;
    if (m_contour == kContoursOff) {
      m_contour = m_savedContour == kContoursOff ? kDefaultContour : m_savedContour;
      CheckDlgButton(IDC_CONTOURS, 1);
    }
  } else {
    m_colouring = m_savedColouring == kColouringOff ? kDefaultColouring : m_savedColouring;
  }
  CheckDlgButton(IDC_COLOURING, m_colouring != kColouringOff);
}

void CClipListDlg::OnContours() {
  if (m_contour != kContoursOff) {
    m_contour = kContoursOff;
  } else {
    m_contour = m_savedContour == kContoursOff ? kDefaultContour : m_savedContour;
  }
  CheckDlgButton(IDC_CONTOURS, m_contour != kContoursOff);
}

CString CClipListDlg::Result() const {
  if (m_chosen[kFieldMapName].IsEmpty()) return "CANSEL";
  CString result;
  for (int field : {kFieldTitle, kFieldMapName, kFieldMapFile, kFieldKind, kFieldMeshCode, kFieldPlaceNameFile,
                    kFieldPointInfoFile, kFieldMeshTotal, kFieldMeshCoords, kFieldSouthWestSecond,
                    kFieldSouthWestFirst}) {
    result += (m_chosen[field].IsEmpty() ? CString("*") : m_chosen[field]) + "|";
  }
  result.AppendFormat("%d %d %d %d %d %d %d", m_highestOf[0], m_highestOf[1], m_highestOf[2], m_highestOf[3],
                      m_highestOf[4], m_colouring, m_contour);
  return result;
}

CString entry::OnDlgClipMapCall(CString group0File, CString groupName0, CString groupName1, CString groupName2,
                                CString groupName3, CString groupName4, CString editorProgram, int colouringMode,
                                int contourValue) {
  AFX_MAINTAIN_STATE guard;
  CString result = "CANSEL";
  CClipListDlg dlg;
  dlg.m_group0Path = group0File;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_editorProgram = editorProgram;
  dlg.m_colouring = colouringMode;
  dlg.m_contour = contourValue;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
