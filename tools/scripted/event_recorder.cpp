#include "tools/scripted/event_recorder.h"

#include "platform/codepage.h"
#include "platform/dialog.h"
#include "platform/process.h"
#include "tools/scripted/json.h"

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

void EventRecorder::RunModalLoop(CDialog& dialog) {
  if (m_user) {
    m_user->RunModalLoop(dialog);
  } else {
    dialog.EndDialog(IDCANCEL);
  }
}

int EventRecorder::MessageBox(const CString& text, unsigned type) {
  const bool okCancel = (type & 0x0F) == MB_OKCANCEL;
  const int answer = m_user ? m_user->MessageBox(text, type) : IDCANCEL;
  // A box with one button is answered "ok" whatever the user did: the
  // framework returns IDOK for it.
  m_log.Write(JsonObject()
                  .Add("event", "messagebox")
                  .Add("text", ToUtf8(text))
                  .Add("buttons", okCancel ? "okcancel" : "ok")
                  .Add("icon", IconName(type))
                  .Add("answer", !okCancel || answer == IDOK ? "ok" : "cancel")
                  .str());
  return answer;
}

std::optional<CString> EventRecorder::FileDialog(const FileDialogRequest& request) {
  std::optional<CString> answer = m_user ? m_user->FileDialog(request) : std::nullopt;
  JsonObject event;
  event.Add("event", "filedialog")
      .Add("mode", request.open ? "open" : "save")
      .Add("filter", ToUtf8(request.filter))
      .Add("defext", ToUtf8(request.defaultExtension))
      .Add("initial", ToUtf8(request.initialName))
      .Add("mustexist", request.mustExist)
      .Add("overwriteprompt", request.overwritePrompt);
  if (answer) {
    event.Add("answer", ToUtf8(*answer));
  } else {
    event.AddNull("answer");
  }
  m_log.Write(event.str());
  return answer;
}

std::optional<COLORREF> EventRecorder::ColorDialog(COLORREF initial) {
  std::optional<COLORREF> answer = m_user ? m_user->ColorDialog(initial) : std::nullopt;
  JsonObject event;
  event.Add("event", "colordialog").Add("initial", ColorHex(initial));
  if (answer) {
    event.Add("answer", ColorHex(*answer));
  } else {
    event.AddNull("answer");
  }
  m_log.Write(event.str());
  return answer;
}

void EventRecorder::Beep() {
  if (m_user) m_user->Beep();
  m_log.Write(JsonObject().Add("event", "beep").str());
}

// The user's backend decides what an unknown control means (the scripted
// user fails its script).
void EventRecorder::UnknownControl(const CDialog& dialog, int id) {
  if (m_user) m_user->UnknownControl(dialog, id);
}

void EventRecorder::DialogCreated(CDialog& dialog) {
  if (m_user) m_user->DialogCreated(dialog);
}

void EventRecorder::DialogDestroyed(CDialog& dialog) {
  if (m_user) m_user->DialogDestroyed(dialog);
}

void EventRecorder::DialogOpened(CDialog& dialog) {
  m_log.Write(JsonObject()
                  .Add("event", "open")
                  .Add("dialog", dialog.TemplateId())
                  .Add("title", ToUtf8(dialog.GetWindowText()))
                  .str());
  if (m_user) m_user->DialogOpened(dialog);
}

void EventRecorder::DialogEnded(CDialog& dialog, int code) {
  m_log.Write(JsonObject().Add("event", "end").Add("dialog", dialog.TemplateId()).Add("code", code).str());
  if (m_user) m_user->DialogEnded(dialog, code);
}

void EventRecorder::ProgramRan(const ProgramRun& run) {
  std::vector<std::string> argv;
  for (const std::string& word : run.argv) argv.push_back(JsonQuote(word));
  JsonObject event;
  event.Add("event", "process").Add("command", ToUtf8(run.commandLine)).AddRaw("argv", JsonArray(argv));
  event.Add("started", run.exit.has_value());
  if (run.exit) {
    event.Add("exit", *run.exit);
  } else {
    event.AddNull("exit");
  }
  m_log.Write(event.str());
  if (m_user) m_user->ProgramRan(run);
}

}  // namespace topodlg
