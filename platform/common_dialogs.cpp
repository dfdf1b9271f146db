#include "platform/common_dialogs.h"

#include "platform/codepage.h"
#include "platform/dialog.h"
#include "platform/event_log.h"
#include "platform/json.h"
#include "platform/module_state.h"
#include "platform/text_file.h"
#include "platform/ui_backend.h"

namespace topodlg {
namespace {

const char* IconName(unsigned type) {
  switch (type & 0xF0) {
    case MB_ICONSTOP: return "stop";
    case MB_ICONQUESTION: return "question";
    case MB_ICONEXCLAMATION: return "exclamation";
    case MB_ICONINFORMATION: return "information";
    default: return "none";
  }
}

}  // namespace

UiBackend* CurrentBackend() { return AfxGetModuleState().backend; }

int AfxMessageBox(const CString& text, unsigned type) {
  const bool okCancel = (type & 0x0F) == MB_OKCANCEL;
  UiBackend* backend = CurrentBackend();
  int answer = backend ? backend->MessageBox(text, type) : IDCANCEL;
  if (!okCancel) answer = IDOK;
  LogEvent(JsonObject()
               .Add("event", "messagebox")
               .Add("text", ToUtf8(text))
               .Add("buttons", okCancel ? "okcancel" : "ok")
               .Add("icon", IconName(type))
               .Add("answer", answer == IDOK ? "ok" : "cancel")
               .str());
  return answer;
}

void AfxFileErrorBox(const CString& path) {
  AfxMessageBox(path + " へのアクセス中に予期しないエラーが発生しました。", MB_ICONEXCLAMATION);
}

void MessageBeep(unsigned) {
  if (UiBackend* backend = CurrentBackend()) backend->Beep();
  LogEvent(JsonObject().Add("event", "beep").str());
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
  JsonObject event;
  event.Add("event", "filedialog")
      .Add("mode", m_open ? "open" : "save")
      .Add("filter", ToUtf8(m_filter))
      .Add("defext", ToUtf8(m_defaultExtension))
      .Add("initial", ToUtf8(m_fileName))
      .Add("mustexist", request.mustExist)
      .Add("overwriteprompt", request.overwritePrompt);
  if (answer) {
    event.Add("answer", ToUtf8(*answer));
  } else {
    event.AddNull("answer");
  }
  LogEvent(event.str());
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
  JsonObject event;
  event.Add("event", "colordialog").Add("initial", ColorHex(m_initial));
  if (answer.has_value()) {
    m_color = answer.value();
    event.Add("answer", ColorHex(m_color));
  } else {
    event.AddNull("answer");
  }
  LogEvent(event.str());
  return answer.has_value() ? IDOK : IDCANCEL;
}

}  // namespace topodlg
