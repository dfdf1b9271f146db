#include "tools/scripted/script.h"

namespace topodlg {
namespace {

struct Arity {
  const char* verb;
  size_t min;
  size_t max;
};

constexpr Arity kActions[] = {
    {"click", 1, 1},  {"select", 2, 2},     {"dblclick", 2, 2}, {"type", 2, 2},  {"focus", 1, 1},
    {"tab", 2, 2},    {"scroll", 2, 3},     {"enter", 0, 0},    {"escape", 0, 0}, {"close", 0, 0},
    {"answer", 1, 1}, {"pick", 1, 1},       {"color", 1, 3},    {"dump", 0, 0},  {"screenshot", 1, 1},
};

const Arity* FindAction(std::string_view verb) {
  for (const Arity& a : kActions) {
    if (verb == a.verb) return &a;
  }
  return nullptr;
}

std::vector<ScriptWord> SplitWords(std::string_view line, int lineNumber) {
  std::vector<ScriptWord> words;
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '#') break;
    ScriptWord word;
    if (c == '"') {
      word.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char d = line[i++];
        if (d == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
          word.text += line[i++];
        } else if (d == '"') {
          closed = true;
          break;
        } else {
          word.text += d;
        }
      }
      if (!closed) throw ScriptError{lineNumber, "a quoted word is not closed"};
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word.text += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace

std::string ScriptError::Message() const {
  if (line > 0) return "script line " + std::to_string(line) + ": " + reason;
  return "script: " + reason;
}

bool IsKnownAction(std::string_view verb) { return FindAction(verb) != nullptr; }

std::vector<ScriptAction> ParseScript(std::string_view text) {
  std::vector<ScriptAction> actions;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    std::string_view line = text.substr(pos, eol - pos);
    pos = eol + 1;
    ++lineNumber;
    // The script is UTF-8; a line that is not cannot name any text reliably.
    bool valid = true;
    for (size_t i = 0; i < line.size() && valid;) {
      auto c = static_cast<unsigned char>(line[i]);
      size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
      if (n == 0 || i + n > line.size()) valid = false;
      for (size_t k = 1; valid && k < n; ++k) valid = (static_cast<unsigned char>(line[i + k]) >> 6) == 0x2;
      i += n ? n : 1;
    }
    if (!valid) throw ScriptError{lineNumber, "the line is not UTF-8 text"};
    std::vector<ScriptWord> words = SplitWords(line, lineNumber);
    if (words.empty()) continue;
    ScriptAction action;
    action.line = lineNumber;
    action.verb = words.front().text;
    words.erase(words.begin());
    const Arity* arity = FindAction(action.verb);
    if (!arity) throw ScriptError{lineNumber, "unknown action \"" + action.verb + "\""};
    if (words.size() < arity->min || words.size() > arity->max) {
      throw ScriptError{lineNumber, "wrong number of words for \"" + action.verb + "\""};
    }
    action.words = std::move(words);
    actions.push_back(std::move(action));
  }
  return actions;
}

}  // namespace topodlg
