#include "dialogs/points/file_list_dlg.h"

#include "dialogs/points/file_list.h"
#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/178.h"

namespace topodlg {
using namespace res178;
namespace {

}  // namespace

CFileListDlg::CFileListDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_FILES, LBN_SELCHANGE, [this] { OnSelectRow(); });
  OnClicked(IDC_REGISTER, [this] { OnRegister(); });
  OnClicked(IDC_EDIT_LIST, [this] { OnEditList(); });
}

// Also run again after a registration: the rows and the count are rebuilt
// from the file as it now is.
bool CFileListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  FileListKind kind = ParseFileListKind(m_listKind);
  m_listPath = FileListPath(kind, m_dataDirectory, m_group);
  if (const char* title = FileListTitle(kind)) SetWindowText(title);

  CWnd* files = GetDlgItem(IDC_FILES);
  files->ResetContent();
  for (const CString& entry : ReadFileListEntries(m_listPath)) files->AddString(entry);
  SetDlgItemText(IDC_COUNT, CString::Formatted("登録数=%d", files->GetCount()));
  return true;
}

void CFileListDlg::OnSelectRow() {
  CWnd* files = GetDlgItem(IDC_FILES);
  m_status = files->GetCurSel();
  m_chosenFile = files->GetLBText(m_status);
}

void CFileListDlg::OnRegister() {
  MessageBeep();
  CFileDialog picker(true, "*.*", "*.*", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     FileListFilter(ParseFileListKind(m_listKind)), this);
  if (picker.DoModal() != IDOK) return;
  m_chosenFile = ToLower(picker.GetPathName());
  switch (RegisterFileListEntry(m_listPath, m_chosenFile)) {
    case RegisterResult::Duplicate:
      return;
    case RegisterResult::WriteFailed:
      // The list stays as it was and the dialog stays open; the picked file is
      // still the choice, but the status does not claim a registration, so the
      // caller keeps what it shows.
      AfxFileErrorBox(m_listPath);
      return;
    case RegisterResult::Added:
      m_status = kStatusRegistered;
      OnInitDialog();
      return;
  }
}

void CFileListDlg::OnEditList() {
  if (m_editorPath.IsEmpty()) return;
  RunEditorAndWait(m_editorPath, m_listPath);
  m_status = kStatusEdited;
  EndDialog(-1);
}

FileListRun RunFileListDlg(const CString& listKind, const CString& currentFile, const CString& dataDirectory,
                           const CString& editorPath, const CString& group) {
  CFileListDlg dlg;
  dlg.m_chosenFile = currentFile;
  dlg.m_listKind = listKind;
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_editorPath = editorPath;
  dlg.m_group = group;
  FileListRun run;
  run.endCode = dlg.DoModal();
  run.status = dlg.m_status;
  run.chosenFile = dlg.m_chosenFile;
  return run;
}

CString entry::OnDlgOvlyF(CString currentFile, CString listKind, CString editorPath, CString dataDirectory) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  FileListRun run = RunFileListDlg(listKind, currentFile, dataDirectory, editorPath);
  if (run.Confirmed()) result = CString::Formatted("%d ", run.status) + run.chosenFile;
  return result;
}

}  // namespace topodlg
