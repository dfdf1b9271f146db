#include "dialogs/tracks/dist_bearing_dlg.h"

#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kTargetNames = 1000,
  kProportional = 1001,
  kGroups = 1403,
  kEditTargets = 1404,
  kShow = 1405,
};

}  // namespace

CDistBearingDlg::CDistBearingDlg() : CDialog(kTemplateId) {
  OnNotify(kGroups, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnClicked(kShow, [this] { OnShowClicked(); });
  OnClicked(kTargetNames, [this] { OnTargetNamesClicked(); });
  OnClicked(kProportional, [this] { OnProportionalClicked(); });
  OnClicked(kEditTargets, [this] { RunEditorAndWait(m_editor, m_targetFile); });
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
  CheckDlgButton(kShow, m_show == 1 ? 1 : 0);
  CheckDlgButton(kTargetNames, m_targetNames == 1 ? 1 : 0);
  CheckDlgButton(kProportional, m_proportional == 1 ? 1 : 0);
  CComboBox* groups = GetDlgItem(kGroups);
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
  const int selected = GetDlgItem(kGroups)->GetCurSel();
  if (selected < 0) return;
  m_group = selected;
  m_targetFile = TargetFile(m_dataDirectory, m_group);
}

// Each box shows the flag it toggles, whatever value the host passed.
void CDistBearingDlg::OnShowClicked() {
  m_show = m_show == 0 ? 1 : 0;
  CheckDlgButton(kShow, m_show);
}

void CDistBearingDlg::OnTargetNamesClicked() {
  m_targetNames = m_targetNames == 0 ? 1 : 0;
  CheckDlgButton(kTargetNames, m_targetNames);
}

void CDistBearingDlg::OnProportionalClicked() {
  m_proportional = m_proportional == 1 ? 0 : 1;
  CheckDlgButton(kProportional, m_proportional);
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
