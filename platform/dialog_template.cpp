#include "platform/dialog_template.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/codepage.h"

namespace topodlg {
namespace {

const std::map<std::string, uint32_t>& StyleNames() {
  static const std::map<std::string, uint32_t> names = {
      {"WS_GROUP", style::kGroup}, {"WS_TABSTOP", style::kTabStop}, {"WS_DISABLED", style::kDisabled},
      {"WS_VISIBLE", style::kVisible}, {"WS_BORDER", style::kBorder}, {"WS_VSCROLL", style::kVScroll},
      {"WS_HSCROLL", style::kHScroll}, {"WS_CHILD", 0x40000000}, {"WS_POPUP", 0x80000000},
      {"WS_CAPTION", 0x00C00000}, {"WS_SYSMENU", 0x00080000}, {"DS_MODALFRAME", 0x80}, {"DS_SETFONT", 0x40},
      {"DS_CONTROL", 0x400}, {"DS_3DLOOK", 0x4}, {"DS_CENTER", 0x800}, {"DS_FIXEDSYS", 0x8},
      {"ES_READONLY", style::kEditReadOnly}, {"ES_MULTILINE", style::kEditMultiline},
      {"ES_NUMBER", style::kEditNumber}, {"ES_PASSWORD", style::kEditPassword}, {"ES_AUTOHSCROLL", 0x80},
      {"ES_AUTOVSCROLL", 0x40}, {"ES_WANTRETURN", 0x1000}, {"ES_LEFT", 0}, {"ES_RIGHT", 0x2}, {"ES_CENTER", 0x1},
      {"BS_PUSHLIKE", style::kPushLike}, {"BS_NOTIFY", 0x4000}, {"BS_MULTILINE", 0x2000},
      {"BS_PUSHBUTTON", style::kPushButton}, {"BS_DEFPUSHBUTTON", style::kDefPushButton},
      {"BS_CHECKBOX", style::kCheckBox}, {"BS_AUTOCHECKBOX", style::kAutoCheckBox},
      {"BS_RADIOBUTTON", style::kRadioButton}, {"BS_3STATE", style::k3State}, {"BS_AUTO3STATE", style::kAuto3State},
      {"BS_GROUPBOX", style::kGroupBox}, {"BS_AUTORADIOBUTTON", style::kAutoRadioButton},
      {"BS_OWNERDRAW", style::kOwnerDraw}, {"BS_LEFTTEXT", 0x20}, {"BS_LEFT", 0x100}, {"BS_RIGHT", 0x200},
      {"BS_CENTER", 0x300}, {"BS_FLAT", 0x8000}, {"CBS_SIMPLE", style::kComboSimple},
      {"CBS_DROPDOWN", style::kComboDropDown}, {"CBS_DROPDOWNLIST", style::kComboDropDownList},
      {"CBS_SORT", style::kComboSort}, {"CBS_AUTOHSCROLL", 0x40}, {"CBS_HASSTRINGS", 0x200},
      {"CBS_DISABLENOSCROLL", 0x800}, {"LBS_NOTIFY", style::kListNotify}, {"LBS_SORT", style::kListSort},
      {"LBS_MULTIPLESEL", style::kListMultiple}, {"LBS_EXTENDEDSEL", style::kListExtended},
      {"LBS_NOINTEGRALHEIGHT", 0x100}, {"LBS_HASSTRINGS", 0x40}, {"LBS_USETABSTOPS", 0x80},
      {"LBS_DISABLENOSCROLL", 0x1000}, {"SS_LEFT", style::kStaticLeft}, {"SS_CENTER", style::kStaticCenter},
      {"SS_RIGHT", style::kStaticRight}, {"SS_OWNERDRAW", style::kStaticOwnerDraw},
      {"SS_SUNKEN", style::kStaticSunken}, {"SS_BLACKFRAME", 0x7}, {"SS_GRAYFRAME", 0x8}, {"SS_WHITEFRAME", 0x9},
      {"SS_ETCHEDFRAME", 0x12}, {"SS_NOTIFY", 0x100}, {"SS_CENTERIMAGE", 0x200}, {"SBS_HORZ", 0},
      {"SBS_VERT", style::kScrollVert}, {"TCS_TABS", 0}, {"TCS_MULTILINE", 0x200}};
  return names;
}

struct Statement {
  ControlKind kind;
  bool hasText;
  uint32_t defaults;
};

const std::map<std::string, Statement>& Statements() {
  using K = ControlKind;
  static const std::map<std::string, Statement> statements = {
      {"LTEXT", {K::Static, true, style::kStaticLeft | style::kGroup}},
      {"RTEXT", {K::Static, true, style::kStaticRight | style::kGroup}},
      {"CTEXT", {K::Static, true, style::kStaticCenter | style::kGroup}},
      {"PUSHBUTTON", {K::Button, true, style::kPushButton | style::kTabStop}},
      {"DEFPUSHBUTTON", {K::Button, true, style::kDefPushButton | style::kTabStop}},
      {"CHECKBOX", {K::Check, true, style::kCheckBox | style::kTabStop}},
      {"AUTOCHECKBOX", {K::Check, true, style::kAutoCheckBox | style::kTabStop}},
      {"RADIOBUTTON", {K::Radio, true, style::kRadioButton | style::kTabStop}},
      {"AUTORADIOBUTTON", {K::Radio, true, style::kAutoRadioButton | style::kTabStop}},
      {"STATE3", {K::Check, true, style::k3State | style::kTabStop}},
      {"AUTO3STATE", {K::Check, true, style::kAuto3State | style::kTabStop}},
      {"GROUPBOX", {K::Group, true, style::kGroupBox}},
      {"EDITTEXT", {K::Edit, false, style::kBorder | style::kTabStop}},
      {"COMBOBOX", {K::Combo, false, style::kComboSimple | style::kTabStop}},
      {"LISTBOX", {K::List, false, style::kListNotify | style::kBorder}},
      {"SCROLLBAR", {K::ScrollBar, false, 0}},
  };
  return statements;
}

ControlKind ButtonKind(uint32_t styleBits) {
  switch (styleBits & style::kButtonTypeMask) {
    case style::kCheckBox:
    case style::kAutoCheckBox:
    case style::k3State:
    case style::kAuto3State: return ControlKind::Check;
    case style::kRadioButton:
    case style::kAutoRadioButton: return ControlKind::Radio;
    case style::kGroupBox: return ControlKind::Group;
    default: return ControlKind::Button;
  }
}

class ParseError {
 public:
  explicit ParseError(std::string why) : reason(std::move(why)) {}
  std::string reason;
};

// Splits a statement's arguments at commas outside quoted texts.
std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> parts;
  std::string current;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      current += c;
      if (c == '\\' && i + 1 < text.size()) {
        current += text[++i];
      } else if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          current += text[++i];
        } else {
          quoted = false;
        }
      }
    } else if (c == '"') {
      quoted = true;
      current += c;
    } else if (c == ',') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (quoted) throw ParseError("a text is not closed");
  parts.push_back(current);
  for (auto& p : parts) {
    size_t a = p.find_first_not_of(" \t");
    size_t b = p.find_last_not_of(" \t");
    p = a == std::string::npos ? std::string() : p.substr(a, b - a + 1);
  }
  return parts;
}

CString Text(const std::string& token) {
  if (token.size() < 2 || token.front() != '"' || token.back() != '"') throw ParseError("a text is expected: " + token);
  std::string utf8;
  for (size_t i = 1; i + 1 < token.size(); ++i) {
    char c = token[i];
    if (c == '"' && token[i + 1] == '"') {
      utf8 += '"';
      ++i;
    } else if (c == '\\' && i + 2 < token.size()) {
      char n = token[++i];
      utf8 += n == 'n' ? '\n' : n == 't' ? '\t' : n;
    } else {
      utf8 += c;
    }
  }
  auto cp932 = Utf8ToCp932(utf8);
  if (!cp932) throw ParseError("a text has no code page 932 form: " + token);
  return *cp932;
}

int Number(const std::string& token) {
  if (token == "IDOK") return 1;
  if (token == "IDCANCEL") return 2;
  if (token == "IDC_STATIC") return -1;
  char* end = nullptr;
  long v = std::strtol(token.c_str(), &end, 0);
  if (token.empty() || *end != '\0') throw ParseError("a number is expected: " + token);
  return static_cast<int>(v);
}

bool IsName(const std::string& token) {
  if (token.empty() || std::isdigit(static_cast<unsigned char>(token[0]))) return false;
  for (char c : token) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

// The control names of one script: name -> (number, line of its #define).
using Names = std::map<std::string, std::pair<int, int>>;

// A control identifier: a number, IDOK, IDCANCEL, IDC_STATIC or a defined name.
int Identifier(const std::string& token, const Names& names) {
  if (token == "IDOK" || token == "IDCANCEL" || token == "IDC_STATIC" || !IsName(token)) return Number(token);
  auto it = names.find(token);
  if (it == names.end()) throw ParseError(token + " is not defined (define it with #define before DIALOGEX)");
  return it->second.first;
}

// "#define NAME NUMBER": a control identifier, unique in name and in number.
void Define(const std::string& rest, int lineNumber, Names& names, DialogTemplate& dlg) {
  const size_t space = rest.find_first_of(" \t");
  const std::string name = rest.substr(0, space);
  const size_t valueAt = space == std::string::npos ? std::string::npos : rest.find_first_not_of(" \t", space);
  const std::string value = valueAt == std::string::npos ? std::string() : rest.substr(valueAt);
  if (!IsName(name) || value.empty() || value.find_first_of(" \t") != std::string::npos) {
    throw ParseError("a definition is: #define NAME NUMBER");
  }
  if (name == "IDOK" || name == "IDCANCEL" || name == "IDC_STATIC") throw ParseError(name + " is predefined");
  const int number = Number(value);
  // Notifications carry the identifier in 16 bits.
  if (number < 1 || number > 0xFFFF) throw ParseError(name + ": a control identifier is 1 to 65535, not " + value);
  if (auto it = names.find(name); it != names.end()) {
    throw ParseError(name + " is defined twice (first on line " + std::to_string(it->second.second) + ")");
  }
  for (const auto& [other, numberAndLine] : names) {
    if (numberAndLine.first == number) {
      throw ParseError(name + " and " + other + " (line " + std::to_string(numberAndLine.second) +
                       ") have the same number " + std::to_string(number));
    }
  }
  names.emplace(name, std::make_pair(number, lineNumber));
  dlg.names.emplace_back(name, number);
}

// "A | B | NOT C" applied to the default bits.
uint32_t StyleExpression(const std::string& text, uint32_t bits) {
  std::string word;
  bool negate = false;
  auto apply = [&](const std::string& w) {
    if (w.empty()) return;
    if (w == "NOT") {
      negate = true;
      return;
    }
    uint32_t value = 0;
    if (std::isdigit(static_cast<unsigned char>(w[0]))) {
      value = static_cast<uint32_t>(std::strtoul(w.c_str(), nullptr, 0));
    } else if (auto it = StyleNames().find(w); it != StyleNames().end()) {
      value = it->second;
    }
    // A button, combo box or static type replaces the statement's default type
    // (COMBOBOX is CBS_SIMPLE unless it says CBS_DROPDOWN); other bits add up.
    uint32_t typeMask = 0;
    if (w.starts_with("BS_") && value <= style::kButtonTypeMask) typeMask = style::kButtonTypeMask;
    if (w.starts_with("CBS_") && value <= style::kComboTypeMask) typeMask = style::kComboTypeMask;
    if (w.starts_with("SS_") && value <= style::kStaticTypeMask) typeMask = style::kStaticTypeMask;
    if (negate) {
      bits &= ~value;
    } else if (typeMask) {
      bits = (bits & ~typeMask) | value;
    } else {
      bits |= value;
    }
    negate = false;
  };
  for (char c : text) {
    if (c == '|' || c == ' ' || c == '\t') {
      apply(word);
      word.clear();
    } else {
      word += c;
    }
  }
  apply(word);
  return bits;
}

ControlTemplate ParseControl(const std::string& keyword, const std::string& rest, const Names& names) {
  std::vector<std::string> args = SplitArguments(rest);
  ControlTemplate c;
  size_t i = 0;
  auto next = [&]() -> const std::string& {
    if (i >= args.size()) throw ParseError(keyword + " has too few arguments");
    return args[i++];
  };
  if (keyword == "CONTROL") {
    c.text = Text(next());
    c.id = Identifier(next(), names);
    std::string cls = Text(next()).str();
    for (auto& ch : cls) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    c.style = StyleExpression(next(), style::kVisible);
    if (cls == "button") {
      c.kind = ButtonKind(c.style);
    } else if (cls == "static") {
      c.kind = ControlKind::Static;
    } else if (cls == "edit") {
      c.kind = ControlKind::Edit;
    } else if (cls == "combobox") {
      c.kind = ControlKind::Combo;
    } else if (cls == "listbox") {
      c.kind = ControlKind::List;
    } else if (cls == "scrollbar") {
      c.kind = ControlKind::ScrollBar;
    } else if (cls == "systabcontrol32") {
      c.kind = ControlKind::Tab;
    } else {
      throw ParseError("unknown control class: " + cls);
    }
  } else {
    auto it = Statements().find(keyword);
    if (it == Statements().end()) throw ParseError("unknown statement: " + keyword);
    const Statement& st = it->second;
    c.kind = st.kind;
    if (st.hasText) c.text = Text(next());
    c.id = Identifier(next(), names);
    c.style = st.defaults | style::kVisible;
  }
  c.x = Number(next());
  c.y = Number(next());
  c.cx = Number(next());
  c.cy = Number(next());
  if (keyword != "CONTROL" && i < args.size()) {
    c.style = StyleExpression(args[i++], c.style);
    if (c.kind == ControlKind::Button || c.kind == ControlKind::Check || c.kind == ControlKind::Radio) {
      // An explicit button type (BS_OWNERDRAW on a PUSHBUTTON) decides the kind.
      c.kind = ButtonKind(c.style);
    }
  }
  return c;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

// Strips a "//" comment that is not inside a text.
std::string StripComment(const std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (!quoted && line[i] == '/' && line[i + 1] == '/') return line.substr(0, i);
  }
  return line;
}

}  // namespace

const ControlTemplate* DialogTemplate::Find(int id) const {
  for (const auto& c : controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

int DialogTemplate::DefaultCommand() const {
  for (const auto& c : controls) {
    if (c.kind == ControlKind::Button && c.ButtonType() == style::kDefPushButton) return c.id;
  }
  return 1;
}

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view script, CString* error) {
  DialogTemplate dlg;
  Names names;
  enum class Block { None, DialogHeader, Dialog, InitHeader, Init } block = Block::None;
  bool sawDialog = false;
  int lineNumber = 0;
  size_t pos = 0;
  try {
    while (pos <= script.size()) {
      size_t eol = script.find('\n', pos);
      if (eol == std::string_view::npos) eol = script.size();
      std::string line = Trim(StripComment(std::string(script.substr(pos, eol - pos))));
      pos = eol + 1;
      ++lineNumber;
      if (line.empty()) continue;
      size_t space = line.find_first_of(" \t");
      std::string first = line.substr(0, space);
      std::string rest = space == std::string::npos ? std::string() : Trim(line.substr(space));
      if (first == "BEGIN" || first == "{") {
        if (block == Block::DialogHeader) block = Block::Dialog;
        else if (block == Block::InitHeader) block = Block::Init;
        else throw ParseError("BEGIN without a dialog");
        continue;
      }
      if (first == "END" || first == "}") {
        if (block != Block::Dialog && block != Block::Init) throw ParseError("END without BEGIN");
        block = Block::None;
        continue;
      }
      if (block == Block::Dialog) {
        dlg.controls.push_back(ParseControl(first, rest, names));
        continue;
      }
      if (block == Block::Init) {
        auto args = SplitArguments(line);
        if (args.size() != 2) throw ParseError("an initial item is: id, \"text\"");
        dlg.initItems.emplace_back(Identifier(args[0], names), Text(args[1]));
        continue;
      }
      if (first == "#define") {
        if (block != Block::None || sawDialog) throw ParseError("names are defined before DIALOGEX");
        Define(rest, lineNumber, names, dlg);
        continue;
      }
      // Headers: "140 DIALOGEX x, y, cx, cy", "140 DLGINIT", STYLE, CAPTION, FONT.
      std::string word2 = Trim(rest.substr(0, rest.find_first_of(" \t")));
      if (word2 == "DIALOGEX" || word2 == "DIALOG") {
        auto args = SplitArguments(Trim(rest.substr(word2.size())));
        if (args.size() < 4) throw ParseError("a dialog needs x, y, cx, cy");
        dlg.resourceId = Number(first);
        dlg.x = Number(args[0]);
        dlg.y = Number(args[1]);
        dlg.cx = Number(args[2]);
        dlg.cy = Number(args[3]);
        block = Block::DialogHeader;
        sawDialog = true;
      } else if (word2 == "DLGINIT") {
        block = Block::InitHeader;
      } else if (first == "STYLE") {
        dlg.style = StyleExpression(rest, 0);
      } else if (first == "EXSTYLE" || first == "LANGUAGE" || first == "MENU" || first == "CLASS") {
        // Not used by any backend.
      } else if (first == "CAPTION") {
        dlg.caption = Text(rest);
      } else if (first == "FONT") {
        auto args = SplitArguments(rest);
        if (args.size() < 2) throw ParseError("FONT needs a size and a face");
        dlg.fontSize = Number(args[0]);
        dlg.fontFace = Text(args[1]);
      } else {
        throw ParseError("unexpected line: " + line);
      }
    }
    if (block != Block::None) throw ParseError("the script ends inside a block");
    if (!sawDialog) throw ParseError("no DIALOGEX statement");
  } catch (const ParseError& e) {
    if (error) *error = CString::Formatted("line %d: %s", lineNumber, e.reason.c_str());
    return std::nullopt;
  }
  return dlg;
}

}  // namespace topodlg
