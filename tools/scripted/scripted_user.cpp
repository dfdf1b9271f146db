#include "tools/scripted/scripted_user.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "platform/codepage.h"
#include "platform/dialog.h"
#include "platform/path_map.h"
#include "platform/text_file.h"
#include "platform/user_input.h"
#include "tools/scripted/event_log.h"
#include "tools/scripted/json.h"

namespace topodlg {
namespace {

[[noreturn]] void Fail(const ScriptAction& action, const std::string& reason) { throw ScriptError{action.line, reason}; }

int Integer(const ScriptAction& action, size_t word, const char* what) {
  const std::string& text = action.words.at(word).text;
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
    Fail(action, std::string(what) + " must be a whole number, not \"" + text + "\"");
  }
  return static_cast<int>(value);
}

CString Cp932(const ScriptAction& action, const std::string& utf8) {
  auto text = Utf8ToCp932(utf8);
  if (!text) Fail(action, "\"" + utf8 + "\" has no code page 932 form");
  return *text;
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Static: return "static";
    case ControlKind::Edit: return "edit";
    case ControlKind::Button: return "button";
    case ControlKind::Check: return "check";
    case ControlKind::Radio: return "radio";
    case ControlKind::Group: return "group";
    case ControlKind::Combo: return "combo";
    case ControlKind::List: return "list";
    case ControlKind::Tab: return "tab";
    case ControlKind::ScrollBar: return "scrollbar";
  }
  return "static";
}

std::string ControlJson(const CWnd& c) {
  JsonObject o;
  o.Add("id", c.GetDlgCtrlID()).Add("kind", KindName(c.Kind())).Add("text", ToUtf8(c.GetWindowText()));
  o.Add("enabled", c.IsWindowEnabled()).Add("visible", c.IsWindowVisible());
  switch (c.Kind()) {
    case ControlKind::Check:
    case ControlKind::Radio: o.Add("checked", c.GetCheck()); break;
    case ControlKind::Combo:
    case ControlKind::List:
    case ControlKind::Tab: {
      std::vector<std::string> items;
      for (const CString& item : c.Items()) items.push_back(JsonQuote(ToUtf8(item)));
      o.AddRaw("items", JsonArray(items)).Add("selected", c.GetCurSel());
      if (c.Kind() == ControlKind::List) o.Add("top", c.GetTopIndex());
      break;
    }
    case ControlKind::ScrollBar: {
      int min, max;
      c.GetScrollRange(&min, &max);
      o.Add("min", min).Add("max", max).Add("pos", c.GetScrollPos());
      break;
    }
    default: break;
  }
  if (c.LastDrawing()) o.AddRaw("drawing", DrawingJson(*c.LastDrawing()));
  return o.str();
}

std::string ControlsJson(const CDialog& dialog) {
  std::vector<std::string> controls;
  for (const auto& c : dialog.Controls()) controls.push_back(ControlJson(*c));
  return JsonArray(controls);
}

bool HasEditField(const CWnd& c) {
  if (c.Kind() == ControlKind::Edit) return !c.IsReadOnly();
  if (c.Kind() == ControlKind::Combo) return (c.Template().style & style::kComboTypeMask) != style::kComboDropDownList;
  return false;
}

// The dialog the user sees may contain a visible tab page; its controls come
// after the dialog's own.
CDialog* VisiblePage(CDialog& dialog) {
  for (CDialog* page : dialog.Pages()) {
    if (page->IsWindowVisible()) return page;
  }
  return nullptr;
}

}  // namespace

std::string ScriptedUser::DumpJson(CDialog& dialog) {
  JsonObject o;
  o.Add("event", "dump").Add("dialog", dialog.TemplateId()).Add("title", ToUtf8(dialog.GetWindowText()));
  auto [focusOwner, focusId] = dialog.Focus();
  if (focusOwner) {
    o.Add("focus", focusId);
  } else {
    o.AddNull("focus");
  }
  o.AddRaw("controls", ControlsJson(dialog));
  std::vector<std::string> pages;
  for (CDialog* page : dialog.Pages()) {
    pages.push_back(JsonObject()
                        .Add("dialog", page->TemplateId())
                        .Add("visible", page->IsWindowVisible())
                        .AddRaw("controls", ControlsJson(*page))
                        .str());
  }
  o.AddRaw("pages", JsonArray(pages));
  return o.str();
}

const ScriptAction& ScriptedUser::Next(const char* waitingFor) {
  if (m_next >= m_actions.size()) throw ScriptError{0, std::string("the script ended while ") + waitingFor};
  const ScriptAction& action = m_actions[m_next++];
  m_lastLine = action.line;
  return action;
}

void ScriptedUser::RunModalLoop(CDialog& dialog) {
  const std::string waiting = "dialog " + std::to_string(dialog.TemplateId()) + " is still open";
  while (!dialog.IsEnded()) {
    dialog.PaintInvalidated();
    const ScriptAction& action = Next(waiting.c_str());
    Perform(dialog, action);
  }
}

std::pair<CDialog*, CWnd*> ScriptedUser::Reach(CDialog& dialog, const ScriptAction& action, size_t word) {
  const int id = Integer(action, word, "a control identifier");
  CDialog* owner = &dialog;
  CWnd* control = dialog.FindControl(id);
  if (!control) {
    if (CDialog* page = VisiblePage(dialog)) {
      owner = page;
      control = page->FindControl(id);
    }
  }
  const std::string where = " in dialog " + std::to_string(dialog.TemplateId());
  if (!control) Fail(action, "no control " + std::to_string(id) + where);
  if (!control->IsWindowVisible()) Fail(action, "control " + std::to_string(id) + " is hidden" + where);
  if (!control->IsWindowEnabled()) Fail(action, "control " + std::to_string(id) + " is disabled" + where);
  return {owner, control};
}

void ScriptedUser::Perform(CDialog& dialog, const ScriptAction& action) {
  const std::string& verb = action.verb;
  if (verb == "answer" || verb == "pick" || verb == "color") {
    Fail(action, "\"" + verb + "\" but no " +
                     (verb == "answer" ? "message box" : verb == "pick" ? "file dialog" : "colour picker") + " is open");
  }
  if (verb == "enter") return user::Enter(dialog);
  if (verb == "escape" || verb == "close") return user::Cancel(dialog);
  if (verb == "dump") {
    if (m_log) m_log->Write(DumpJson(dialog));
    return;
  }
  if (verb == "screenshot") {
    if (!m_screenshot) Fail(action, "screenshots need the graphical backend, which this build does not have");
    std::string error = m_screenshot(dialog, action.words[0].text);
    if (!error.empty()) Fail(action, error);
    return;
  }

  auto [owner, control] = Reach(dialog, action, 0);
  const ControlKind kind = control->Kind();
  auto mustBe = [&, control = control](bool fits, const char* what) {
    if (!fits) Fail(action, "\"" + verb + "\" does not fit " + KindName(kind) + " " + std::to_string(control->GetDlgCtrlID()) + " (" + what + ")");
  };
  if (verb == "click") {
    mustBe(kind == ControlKind::Button || kind == ControlKind::Check || kind == ControlKind::Radio,
           "it needs a button, check box or radio button");
    return user::Click(*owner, *control);
  }
  if (verb == "select" || verb == "dblclick") {
    if (verb == "dblclick") {
      // The list of a simple combo box is always open and takes double clicks too.
      const bool simpleCombo = (control->Template().style & style::kComboTypeMask) == style::kComboSimple;
      mustBe(kind == ControlKind::List || (kind == ControlKind::Combo && simpleCombo),
             "it needs a list box or a simple combo box");
    } else {
      mustBe(kind == ControlKind::Combo || kind == ControlKind::List, "it needs a combo box or list box");
    }
    return Select(*owner, *control, action, verb == "dblclick");
  }
  if (verb == "type") {
    mustBe(HasEditField(*control), "it needs an edit that can be typed into");
    return Type(*owner, *control, action);
  }
  if (verb == "focus") {
    mustBe(kind != ControlKind::Static && kind != ControlKind::Group, "a static text takes no focus");
    return user::Focus(*owner, *control);
  }
  if (verb == "tab") {
    mustBe(kind == ControlKind::Tab, "it needs a tab control");
    return Tab(*owner, *control, action);
  }
  if (verb == "scroll") {
    mustBe(kind == ControlKind::ScrollBar, "it needs a scroll bar");
    return Scroll(*owner, *control, action);
  }
  Fail(action, "unknown action \"" + verb + "\"");
}

void ScriptedUser::Select(CDialog& owner, CWnd& control, const ScriptAction& action, bool doubleClick) {
  const ScriptWord& which = action.words[1];
  int index = -1;
  if (!which.quoted && !which.text.empty() &&
      (std::isdigit(static_cast<unsigned char>(which.text[0])) || which.text[0] == '-')) {
    index = Integer(action, 1, "an item index");
    if (index < -1 || index >= control.GetCount() || (doubleClick && index < 0)) {
      Fail(action, "control " + std::to_string(control.GetDlgCtrlID()) + " has no item " + std::to_string(index) +
                       " (it has " + std::to_string(control.GetCount()) + ")");
    }
  } else {
    index = control.FindStringExact(-1, Cp932(action, which.text));
    if (index < 0) Fail(action, "control " + std::to_string(control.GetDlgCtrlID()) + " has no item \"" + which.text + "\"");
  }
  user::Select(owner, control, index, doubleClick);
}

void ScriptedUser::Type(CDialog& owner, CWnd& control, const ScriptAction& action) {
  user::Type(owner, control, Cp932(action, action.words[1].text));
}

void ScriptedUser::Tab(CDialog& owner, CWnd& control, const ScriptAction& action) {
  const int index = Integer(action, 1, "a tab index");
  if (index < 0 || index >= control.GetCount()) {
    Fail(action, "tab control " + std::to_string(control.GetDlgCtrlID()) + " has no tab " + std::to_string(index));
  }
  user::SwitchTab(owner, control, index);
}

void ScriptedUser::Scroll(CDialog& owner, CWnd& control, const ScriptAction& action) {
  static constexpr struct {
    const char* name;
    int code;
  } kCodes[] = {{"lineleft", SB_LINELEFT},   {"lineright", SB_LINERIGHT},         {"pageleft", SB_PAGELEFT},
                {"pageright", SB_PAGERIGHT}, {"thumbposition", SB_THUMBPOSITION}, {"thumbtrack", SB_THUMBTRACK},
                {"left", SB_LEFT},           {"right", SB_RIGHT},                 {"endscroll", SB_ENDSCROLL}};
  const std::string& name = action.words[1].text;
  int code = -1;
  for (const auto& c : kCodes) {
    if (name == c.name) code = c.code;
  }
  if (code < 0) Fail(action, "unknown scroll code \"" + name + "\"");
  const bool thumb = code == SB_THUMBPOSITION || code == SB_THUMBTRACK;
  if (thumb && action.words.size() < 3) Fail(action, "\"" + name + "\" needs a position");
  if (!thumb && action.words.size() > 2) Fail(action, "\"" + name + "\" takes no position");
  user::Scroll(owner, control, code, thumb ? Integer(action, 2, "a scroll position") : 0);
}

int ScriptedUser::MessageBox(const CString& text, unsigned) {
  const std::string waiting = "a message box is open (\"" + ToUtf8(text) + "\")";
  const ScriptAction& action = Next(waiting.c_str());
  if (action.verb != "answer") Fail(action, "a message box is open; the next action must be \"answer\", not \"" + action.verb + "\"");
  const std::string& word = action.words[0].text;
  if (word == "ok") return IDOK;
  if (word == "cancel") return IDCANCEL;
  Fail(action, "answer takes ok or cancel, not \"" + word + "\"");
}

std::optional<CString> ScriptedUser::FileDialog(const FileDialogRequest& request) {
  const ScriptAction& action = Next("a file dialog is open");
  if (action.verb != "pick") Fail(action, "a file dialog is open; the next action must be \"pick\", not \"" + action.verb + "\"");
  const ScriptWord& word = action.words[0];
  if (!word.quoted && word.text == "cancel") return std::nullopt;
  // A host path (absolute, or relative to the current folder) is handed to the
  // library in its own form; "X:\..." is taken as it is.
  if (word.text.empty()) Fail(action, "pick needs a path or cancel, not \"\"");
  const bool libraryForm = word.text.size() >= 2 && word.text[1] == ':';
  std::error_code error;
  std::filesystem::path absolute = libraryForm ? std::filesystem::path() : std::filesystem::absolute(word.text, error);
  if (error) Fail(action, "\"" + word.text + "\" is no usable path (" + error.message() + ")");
  CString path = libraryForm ? Cp932(action, word.text) : LibraryPath(absolute.lexically_normal().string());
  if (request.mustExist && !FileExists(path)) Fail(action, "\"" + word.text + "\" does not exist");
  return path;
}

// Reported at the action that led the library there (0: while the dialog opened).
void ScriptedUser::UnknownControl(const CDialog& dialog, int id) {
  throw ScriptError{m_lastLine, "the library asked dialog " + std::to_string(dialog.TemplateId()) + " for control " +
                                    std::to_string(id) + ", which its template does not have"};
}

std::optional<COLORREF> ScriptedUser::ColorDialog(COLORREF) {
  const ScriptAction& action = Next("a colour picker is open");
  if (action.verb != "color") Fail(action, "a colour picker is open; the next action must be \"color\", not \"" + action.verb + "\"");
  if (action.words.size() == 1) {
    if (action.words[0].text == "cancel") return std::nullopt;
    Fail(action, "color takes R G B or cancel");
  }
  if (action.words.size() != 3) Fail(action, "color takes R G B or cancel");
  int rgb[3];
  for (size_t i = 0; i < 3; ++i) {
    rgb[i] = Integer(action, i, "a colour value");
    if (rgb[i] < 0 || rgb[i] > 255) Fail(action, "a colour value must be 0 to 255");
  }
  return RGB(rgb[0], rgb[1], rgb[2]);
}

}  // namespace topodlg
