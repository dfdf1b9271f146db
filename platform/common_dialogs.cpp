#include "platform/common_dialogs.h"

#include "platform/dialog.h"
#include "platform/module_state.h"
#include "platform/text_file.h"
#include "platform/ui_backend.h"

namespace topodlg {

UiBackend* CurrentBackend() { return AfxGetModuleState().backend; }

int AfxMessageBox(const CString& text, unsigned type) {
  const bool okCancel = (type & 0x0F) == MB_OKCANCEL;
  UiBackend* backend = CurrentBackend();
  const int answer = backend ? backend->MessageBox(text, type) : IDCANCEL;
  return okCancel ? answer : IDOK;
}

void AfxFileErrorBox(const CString& path) {
  AfxMessageBox(path + " へのアクセス中に予期しないエラーが発生しました。", MB_ICONEXCLAMATION);
}

void MessageBeep(unsigned) {
  if (UiBackend* backend = CurrentBackend()) backend->Beep();
}

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned flags,
                         const char* filter, CDialog*)
    : m_flags(flags),
      m_open(openFileDialog),
      m_defaultExtension(defaultExtension),
      m_fileName(fileName),
      m_filter(filter) {}

int CFileDialog::DoModal() {
  FileDialogRequest request;
  request.open = m_open;
  request.filter = m_filter;
  request.defaultExtension = m_defaultExtension;
  request.initialName = m_fileName;
  request.mustExist = (m_flags & OFN_FILEMUSTEXIST) != 0;
  request.overwritePrompt = !m_open && (m_flags & OFN_OVERWRITEPROMPT) != 0;
  UiBackend* backend = CurrentBackend();
  std::optional<CString> answer = backend ? backend->FileDialog(request) : std::nullopt;
  if (!answer) return IDCANCEL;
  m_path = *answer;
  return IDOK;
}

CString CFileDialog::GetFileName() const {
  int slash = m_path.ReverseFind('\\');
  return slash < 0 ? m_path : m_path.Mid(slash + 1);
}

CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CColorDialog::CColorDialog(COLORREF initial, unsigned, CDialog*) : m_initial(initial), m_color(initial) {}

int CColorDialog::DoModal() {
  UiBackend* backend = CurrentBackend();
  std::optional<COLORREF> answer;
  if (backend) answer = backend->ColorDialog(m_initial);
  if (answer) m_color = *answer;
  return answer ? IDOK : IDCANCEL;
}

}  // namespace topodlg
