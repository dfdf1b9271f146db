#include "dialogs/clips/guide_book_dlg.h"

#include "dialogs/clips/guide_book_files.h"
#include "frame/shared_routines.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kGroups = 1317,
  kTitles = 1318,
  kCount = 1319,
  kEditButton = 1320,
};

constexpr int kGroupCount = 5;

}  // namespace

CGuideBookDlg::CGuideBookDlg() : CDialog(kTemplateId) {
  OnNotify(kGroups, CBN_SETFOCUS, [this] { OnGroupFocus(); });
  OnNotify(kGroups, CBN_SELCHANGE, [this] { OnSelectGroup(); });
  OnNotify(kTitles, LBN_SELCHANGE, [this] { OnSelectTitle(); });
  OnClicked(kEditButton, [this] { OnEditButton(); });
}

// Before a title is chosen the button edits the index (mode 3); in mode 4 it
// has no caption until a title is chosen.
const char* CGuideBookDlg::ResetCaption() const { return m_mode == kListMode ? "" : "タイトル編集"; }

// A group outside 0..4 is taken as none: there is no index file for it.
bool CGuideBookDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_group < -1 || m_group >= kGroupCount) m_group = -1;
  SetDlgItemText(kEditButton, ResetCaption());
  CWnd* groups = GetDlgItem(kGroups);
  for (const CString& name : m_groupNames) {
    if (name.IsEmpty()) break;
    groups->AddString(name);
  }
  if (m_mode == kListMode && m_group != -1) {
    groups->SetCurSel(m_group);
    LoadTitles(m_group);
  }
  return true;
}

void CGuideBookDlg::LoadTitles(int group) {
  m_indexPath = m_dataDirectory + GuideIndexName(group);
  CWnd* titles = GetDlgItem(kTitles);
  titles->ResetContent();
  m_dataFiles.clear();
  for (const GuideIndexEntry& entry : ReadGuideIndex(m_indexPath)) {
    titles->AddString(entry.title);
    m_dataFiles.push_back(entry.dataFile);
  }
  SetDlgItemText(kCount, CString::Formatted("計=%3d", static_cast<int>(m_dataFiles.size())));
}

// Coming back to the group box starts the choice over.
void CGuideBookDlg::OnGroupFocus() {
  SetDlgItemText(kEditButton, ResetCaption());
  m_buttonState = -1;
  m_dataPath.Empty();
  m_keyLine.Empty();
  m_listSelection = -1;
  GetDlgItem(kTitles)->SetCurSel(-1);
}

void CGuideBookDlg::OnSelectGroup() {
  const int group = GetDlgItem(kGroups)->GetCurSel();
  if (group < 0 || group >= kGroupCount) return;
  m_group = group;
  if (m_mode != kListMode) {
    SetDlgItemText(kEditButton, "タイトル編集");
    m_buttonState = -1;
  }
  LoadTitles(group);
}

// A data file that cannot be read, or whose first line is empty, leaves the
// key line as it was.
void CGuideBookDlg::OnSelectTitle() {
  CWnd* titles = GetDlgItem(kTitles);
  const int index = titles->GetCurSel();
  if (index < 0 || index >= static_cast<int>(m_dataFiles.size())) return;
  if (m_buttonState == -1) {
    SetDlgItemText(kEditButton, m_mode == kListMode ? "データ一覧" : "データ編集");
    m_buttonState = 1;
  }
  m_listSelection = index;
  m_title = titles->GetLBText(index);
  m_dataPath = m_dataDirectory + kGuideFolder + m_dataFiles[index];
  if (std::optional<CString> key = ReadGuideKeyLine(m_dataPath)) m_keyLine = *key;
}

void CGuideBookDlg::OnEditButton() {
  if (m_buttonState == 1) {
    if (!m_dataPath.IsEmpty()) RunEditorAndWait(m_editorProgram, m_dataPath);
    return;
  }
  if (m_indexPath.IsEmpty()) return;
  RunEditorAndWait(m_editorProgram, m_indexPath);
  if (m_group != -1) LoadTitles(m_group);
}

CString CGuideBookDlg::Result() const { return CString::Formatted("%d ", m_group) + m_keyLine + "|" + m_dataPath; }

}  // namespace topodlg

extern "C" topodlg::CString OnDlgSnrRp(int mode, int group, topodlg::CString groupName0,
                                       topodlg::CString groupName1, topodlg::CString groupName2,
                                       topodlg::CString groupName3, topodlg::CString groupName4,
                                       topodlg::CString editorProgram, topodlg::CString dataDirectory) {
  using namespace topodlg;
  AFX_MAINTAIN_STATE guard;
  CString result;
  CGuideBookDlg dlg;
  dlg.m_mode = mode;
  dlg.m_group = group;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_editorProgram = editorProgram;
  dlg.m_dataDirectory = dataDirectory;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}
