#include "dialogs/tracks/track_update_dlg.h"

#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/200.h"

namespace topodlg {
using namespace res200;
namespace {

// The host splits the result at "|": an empty field is written as a
// placeholder so that the fields after it keep their places.
CString OrPlaceholder(const CString& text, const char* placeholder) { return text.IsEmpty() ? placeholder : text; }

}  // namespace

CTrackUpdateDlg::CTrackUpdateDlg()
    : CTrackFileDlg(kTemplateId, TrackDialogKind::Update,
                    {IDC_FILES, IDC_NAME, IDC_DATUM, IDC_DATE, IDC_START, IDC_FORMAT, IDC_NUMBER}) {
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnNotify(IDC_FILES, CBN_SELCHANGE, [this] { OnFileChosen(); });
  OnClicked(IDC_EDIT_DATA, [this] { RunEditorAndWait(m_editorPath, m_currentPath); });
  // A mesh the dialog does not know selects no radio.
  BindRadio(m_mesh, {{IDC_MESH_250M, "SEM"}, {IDC_MESH_50M, "MEM"}, {IDC_MESH_1KM, "TEM"}});
}

// Run again after each group change. Without a chosen file the first file of
// the group's table is taken, once that table is loaded: never a file of the
// group shown before.
bool CTrackUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_initialised == -1) {
    m_initialised = 1;
    if (m_group >= 0 && m_group <= 4) m_groupDigit = CString::Formatted("%d", m_group);
    FillGroupNames(IDC_GROUPS);
  }
  if (m_group != -1) GetDlgItem(IDC_GROUPS)->SetCurSel(m_group);

  int index = LoadTrackTable(m_group);
  if (m_tableCount > 0) SetDlgItemText(IDC_NUMBER, CString::Formatted("登録数=%d", m_tableCount));
  CWnd* files = GetDlgItem(IDC_FILES);
  if (m_currentPath.IsEmpty() && files->GetCount() > 0) {
    m_selectedIndex = 0;
    m_currentPath = files->GetLBText(0);
    index = 0;
  }
  if (!m_currentPath.IsEmpty()) {
    SummarizeTrackFile(index);
    files->SetWindowText(m_currentPath);
  }
  return true;
}

// The summary of the group shown before goes with it.
void CTrackUpdateDlg::OnGroupChosen() {
  m_group = GetDlgItem(IDC_GROUPS)->GetCurSel();
  m_currentPath = "";
  ClearSummary();
  OnInitDialog();
}

void CTrackUpdateDlg::OnFileChosen() {
  CWnd* files = GetDlgItem(IDC_FILES);
  int index = files->GetCurSel();
  CString text = files->GetLBText(index);
  if (text.IsEmpty()) return;
  m_selectedIndex = index;
  m_currentPath = text;
  SummarizeTrackFile(index);
}

CString CTrackUpdateDlg::Result() const {
  CString name = m_name;
  name.Replace(" ", "");
  const bool blankStart = m_type == "trk" || m_type == "log";
  CString result = OrPlaceholder(m_currentPath, "*") + "|" + OrPlaceholder(name, "*") + "|" +
                   OrPlaceholder(m_type, "*") + "|" + OrPlaceholder(m_start, blankStart ? "* *" : "*,*") + "|" +
                   OrPlaceholder(m_mesh, "*") + "|" + OrPlaceholder(m_format, "*") + "|";
  result.AppendFormat("%d", m_group);
  return result;
}

CString entry::OnDlgTrkUp(CString groupName0, CString groupName1, CString groupName2, CString groupName3,
                          CString groupName4, CString dataDirectory, CString mesh, CString editorPath) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTrackUpdateDlg dlg;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_mesh = mesh;
  dlg.m_editorPath = editorPath;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
