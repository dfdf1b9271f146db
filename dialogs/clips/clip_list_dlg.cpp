#include "dialogs/clips/clip_list_dlg.h"

#include <algorithm>

#include "frame/shared_routines.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kColouring = 1010,
  kContours = 1011,
  kMapName = 1299,
  kKind = 1300,
  kMeshCode = 1301,
  kMeshTotal = 1302,
  kMeshCoords = 1303,
  kNorthEastFirst = 1305,
  kNorthEastSecond = 1306,
  kSouthWestFirst = 1307,
  kSouthWestSecond = 1308,
  kPlaceNameFile = 1309,
  kClips = 1312,
  kMapFile = 1315,
  kDate = 1316,
  kEdit = 1317,
  kCount = 1318,
  kGroups = 1320,
  kGroupLabel = 1324,
};

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
  OnNotify(kGroups, CBN_SELCHANGE, [this] { OnSelectGroup(); });
  OnNotify(kClips, LBN_SELCHANGE, [this] { OnSelectClip(); });
  OnClicked(kEdit, [this] { OnEdit(); });
  OnClicked(kColouring, [this] { OnColouring(); });
  OnClicked(kContours, [this] { OnContours(); });
}

// Also run after editing: whatever group was shown, group 0 is shown again.
bool CClipListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_paths = ClipGroupPaths(m_group0Path);
  LoadGroup(0);
  CWnd* groups = GetDlgItem(kGroups);
  groups->ResetContent();
  for (const CString& name : m_groupNames) groups->AddString(name);
  groups->SetCurSel(0);
  SetDlgItemText(kGroupLabel, "ｸﾞﾙｰﾌﾟ1");

  if (m_savedColouring == -1) m_savedColouring = m_colouring;
  CheckDlgButton(kColouring, m_colouring != kColouringOff);
  if (m_savedContour == -1) m_savedContour = m_contour;
  CheckDlgButton(kContours, m_contour != kContoursOff);
  return true;
}

// The highest list index is one less than the number of clips, and 0 for a
// group without clips as for a group with one.
void CClipListDlg::LoadGroup(int group) {
  m_currentPath = m_paths[group];
  CWnd* clips = GetDlgItem(kClips);
  clips->ResetContent();
  const std::vector<CString> records = ReadClipRecords(m_currentPath);
  for (const CString& record : records) clips->AddString(ClipRecordTitle(record));
  m_highest = std::max(static_cast<int>(records.size()) - 1, 0);
  m_highestOf[group] = m_highest;
  SetDlgItemText(kCount, CString::Formatted("登録=%d", m_highest));
}

void CClipListDlg::OnSelectGroup() {
  const int group = GetDlgItem(kGroups)->GetCurSel();
  if (group < 0 || group >= kClipGroupCount) return;
  SetDlgItemText(kGroupLabel, CString::Formatted("ｸﾞﾙｰﾌﾟ%d", group + 1));
  LoadGroup(group);
}

// The file is read again, so the clip shown is the one the file holds now. If
// the file has lost that record since the list was filled, the choice before
// stays.
void CClipListDlg::OnSelectClip() {
  const int index = GetDlgItem(kClips)->GetCurSel();
  if (index < 0) return;
  const std::optional<CString> record = ReadClipRecordAt(m_currentPath, index);
  if (!record) return;
  m_chosen = SplitClipRecord(*record);
  ShowChosenClip();
  if (index <= m_highest) SetDlgItemText(kCount, CString::Formatted("%d/%d", index + 1, m_highest));
}

void CClipListDlg::ShowChosenClip() {
  SetDlgItemText(kMapName, m_chosen[kFieldMapName]);
  SetDlgItemText(kMapFile, m_chosen[kFieldMapFile]);
  SetDlgItemText(kMeshCode, m_chosen[kFieldMeshCode]);
  SetDlgItemText(kSouthWestSecond, m_chosen[kFieldSouthWestSecond]);
  SetDlgItemText(kSouthWestFirst, m_chosen[kFieldSouthWestFirst]);
  SetDlgItemText(kNorthEastSecond, m_chosen[kFieldNorthEastSecond]);
  SetDlgItemText(kNorthEastFirst, m_chosen[kFieldNorthEastFirst]);
  SetDlgItemText(kPlaceNameFile, m_chosen[kFieldPlaceNameFile]);
  SetDlgItemText(kKind, m_chosen[kFieldKind]);
  SetDlgItemText(kMeshTotal, m_chosen[kFieldMeshTotal]);
  SetDlgItemText(kMeshCoords, m_chosen[kFieldMeshCoords]);
  SetDlgItemText(kDate, m_chosen[kFieldDate]);
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
      CheckDlgButton(kContours, 1);
    }
  } else {
    m_colouring = m_savedColouring == kColouringOff ? kDefaultColouring : m_savedColouring;
  }
  CheckDlgButton(kColouring, m_colouring != kColouringOff);
}

void CClipListDlg::OnContours() {
  if (m_contour != kContoursOff) {
    m_contour = kContoursOff;
  } else {
    m_contour = m_savedContour == kContoursOff ? kDefaultContour : m_savedContour;
  }
  CheckDlgButton(kContours, m_contour != kContoursOff);
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

}  // namespace topodlg

extern "C" topodlg::CString OnDlgClipMapCall(topodlg::CString group0File, topodlg::CString groupName0,
                                             topodlg::CString groupName1, topodlg::CString groupName2,
                                             topodlg::CString groupName3, topodlg::CString groupName4,
                                             topodlg::CString editorProgram, int colouringMode, int contourValue) {
  using namespace topodlg;
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
