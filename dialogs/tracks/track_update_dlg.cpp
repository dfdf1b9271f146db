#include "dialogs/tracks/track_update_dlg.h"

#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kGroups = 1421,
  kEditData = 1422,
  kName = 1423,
  kDate = 1424,
  kStart = 1425,
  kDatum = 1426,
  kFormat = 1427,
  kFiles = 1428,
  kNumber = 1429,
  kMesh250m = 1461,
  kMesh50m = 1462,
  kMesh1km = 1463,
};

// The mesh radio buttons and the word each one stands for.
constexpr struct {
  int id;
  const char* mesh;
} kMeshes[] = {{kMesh250m, "SEM"}, {kMesh50m, "MEM"}, {kMesh1km, "TEM"}};

// The host splits the result at "|": an empty field is written as a
// placeholder so that the fields after it keep their places.
CString OrPlaceholder(const CString& text, const char* placeholder) { return text.IsEmpty() ? placeholder : text; }

}  // namespace

CTrackUpdateDlg::CTrackUpdateDlg()
    : CTrackFileDlg(kTemplateId, TrackDialogKind::Update, {kFiles, kName, kDatum, kDate, kStart, kFormat, kNumber}) {
  OnNotify(kGroups, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnNotify(kFiles, CBN_SELCHANGE, [this] { OnFileChosen(); });
  OnClicked(kEditData, [this] { RunEditorAndWait(m_editorPath, m_currentPath); });
  for (const auto& mesh : kMeshes) OnClicked(mesh.id, [this, word = mesh.mesh] { m_mesh = word; });
}

// Run again after each group change. Without a chosen file the first file of
// the group's table is taken, once that table is loaded: never a file of the
// group shown before.
bool CTrackUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_initialised == -1) {
    m_initialised = 1;
    if (m_group >= 0 && m_group <= 4) m_groupDigit = CString::Formatted("%d", m_group);
    FillGroupNames(kGroups);
  }
  if (m_group != -1) GetDlgItem(kGroups)->SetCurSel(m_group);

  int index = LoadTrackTable(m_group);
  if (m_tableCount > 0) SetDlgItemText(kNumber, CString::Formatted("登録数=%d", m_tableCount));
  CWnd* files = GetDlgItem(kFiles);
  if (m_currentPath.IsEmpty() && files->GetCount() > 0) {
    m_selectedIndex = 0;
    m_currentPath = files->GetLBText(0);
    index = 0;
  }
  if (!m_currentPath.IsEmpty()) {
    SummarizeTrackFile(index);
    files->SetWindowText(m_currentPath);
  }

  int checked = 0;
  for (const auto& mesh : kMeshes) {
    if (m_mesh == mesh.mesh) checked = mesh.id;
  }
  CheckRadioButton(kMesh250m, kMesh1km, checked);
  return true;
}

// The summary of the group shown before goes with it.
void CTrackUpdateDlg::OnGroupChosen() {
  m_group = GetDlgItem(kGroups)->GetCurSel();
  m_currentPath = "";
  ClearSummary();
  OnInitDialog();
}

void CTrackUpdateDlg::OnFileChosen() {
  CWnd* files = GetDlgItem(kFiles);
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
