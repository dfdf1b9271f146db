#include "dialogs/tracks/dist_bearing_dlg.h"

#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/222.h"

namespace topodlg {
using namespace res222;

CDistBearingDlg::CDistBearingDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnClicked(IDC_SHOW, [this] { OnShowClicked(); });
  OnClicked(IDC_TARGET_NAMES, [this] { OnTargetNamesClicked(); });
  BindToggle(m_proportional, IDC_PROPORTIONAL);
  OnClicked(IDC_EDIT_TARGETS, [this] { RunEditorAndWait(m_editor, m_targetFile); });
}

CString CDistBearingDlg::TargetFile(const CString& dataDirectory, int group) {
  return dataDirectory + "MAPELMNT\\" + CString::Formatted("Dd%dFile.dat", group);
}

// The board is switched on whenever the dialog opens. The group list ends at
// the first empty name; a group beyond the list selects nothing but keeps its
// number (and its target file).
bool CDistBearingDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_show == 0) m_show = 1;
  CheckDlgButton(IDC_SHOW, m_show == 1 ? 1 : 0);
  CheckDlgButton(IDC_TARGET_NAMES, m_targetNames == 1 ? 1 : 0);
  CComboBox* groups = GetDlgItem(IDC_GROUPS);
  groups->ResetContent();
  for (const CString& name : m_groupNames) {
    if (name.IsEmpty()) break;
    groups->AddString(name);
  }
  groups->SetCurSel(m_group);
  m_targetFile = TargetFile(m_dataDirectory, m_group);
  return true;
}

void CDistBearingDlg::OnGroupChosen() {
  const int selected = GetDlgItem(IDC_GROUPS)->GetCurSel();
  if (selected < 0) return;
  m_group = selected;
  m_targetFile = TargetFile(m_dataDirectory, m_group);
}

// Each box shows the flag it toggles, whatever value the host passed.
void CDistBearingDlg::OnShowClicked() {
  m_show = m_show == 0 ? 1 : 0;
  CheckDlgButton(IDC_SHOW, m_show);
}

void CDistBearingDlg::OnTargetNamesClicked() {
  m_targetNames = m_targetNames == 0 ? 1 : 0;
  CheckDlgButton(IDC_TARGET_NAMES, m_targetNames);
}

CString CDistBearingDlg::Result() const {
  return CString::Formatted("%d %d %d %d", m_group, m_show, m_proportional, m_targetNames);
}

CString entry::OnDlgDstDr(int group, int show, int proportional, int targetNames,
                                       CString groupName0, CString groupName1,
                                       CString groupName2, CString groupName3,
                                       CString groupName4, CString dataDirectory,
                                       CString editorPath) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CDistBearingDlg dlg;
  dlg.m_group = group;
  dlg.m_show = show;
  dlg.m_proportional = proportional;
  dlg.m_targetNames = targetNames;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_editor = editorPath;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
