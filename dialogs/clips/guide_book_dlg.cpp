#include "dialogs/clips/guide_book_dlg.h"

#include "dialogs/clips/guide_book_files.h"
#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/214.h"

namespace topodlg {
using namespace res214;
namespace {

constexpr int kGroupCount = 5;

}  // namespace

CGuideBookDlg::CGuideBookDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_GROUPS, CBN_SETFOCUS, [this] { OnGroupFocus(); });
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnSelectGroup(); });
  OnNotify(IDC_TITLES, LBN_SELCHANGE, [this] { OnSelectTitle(); });
  OnClicked(IDC_EDIT_BUTTON, [this] { OnEditButton(); });
}

// Before a title is chosen the button edits the index (mode 3); in mode 4 it
// has no caption until a title is chosen.
const char* CGuideBookDlg::ResetCaption() const { return m_mode == kListMode ? "" : "タイトル編集"; }

// A group outside 0..4 is taken as none: there is no index file for it.
bool CGuideBookDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_group < -1 || m_group >= kGroupCount) m_group = -1;
  SetDlgItemText(IDC_EDIT_BUTTON, ResetCaption());
  CWnd* groups = GetDlgItem(IDC_GROUPS);
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
  CWnd* titles = GetDlgItem(IDC_TITLES);
  titles->ResetContent();
  m_dataFiles.clear();
  for (const GuideIndexEntry& entry : ReadGuideIndex(m_indexPath)) {
    titles->AddString(entry.title);
    m_dataFiles.push_back(entry.dataFile);
  }
  SetDlgItemText(IDC_COUNT, CString::Formatted("計=%3d", static_cast<int>(m_dataFiles.size())));
}

// Coming back to the group box starts the choice over.
void CGuideBookDlg::OnGroupFocus() {
  SetDlgItemText(IDC_EDIT_BUTTON, ResetCaption());
  m_buttonState = -1;
  m_dataPath.Empty();
  m_keyLine.Empty();
  m_listSelection = -1;
  GetDlgItem(IDC_TITLES)->SetCurSel(-1);
}

void CGuideBookDlg::OnSelectGroup() {
  const int group = GetDlgItem(IDC_GROUPS)->GetCurSel();
  if (group < 0 || group >= kGroupCount) return;
  m_group = group;
  if (m_mode != kListMode) {
    SetDlgItemText(IDC_EDIT_BUTTON, "タイトル編集");
    m_buttonState = -1;
  }
  LoadTitles(group);
}

// A data file that cannot be read, or whose first line is empty, leaves the
// key line as it was.
void CGuideBookDlg::OnSelectTitle() {
  CWnd* titles = GetDlgItem(IDC_TITLES);
  const int index = titles->GetCurSel();
  if (index < 0 || index >= static_cast<int>(m_dataFiles.size())) return;
  if (m_buttonState == -1) {
    SetDlgItemText(IDC_EDIT_BUTTON, m_mode == kListMode ? "データ一覧" : "データ編集");
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

CString entry::OnDlgSnrRp(int mode, int group, CString groupName0, CString groupName1, CString groupName2,
                          CString groupName3, CString groupName4, CString editorProgram, CString dataDirectory) {
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

}  // namespace topodlg
