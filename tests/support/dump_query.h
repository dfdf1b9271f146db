// Reading the scripted user's dump lines in tests: the JSON object of one
// control, and one field of it.
#pragma once

#include <string>

namespace topodlg::test {

// The control object {"id":ID,...} of a dump line, or "" when it has none.
inline std::string ControlIn(const std::string& dump, int id) {
  const std::string key = "{\"id\":" + std::to_string(id) + ",";
  size_t begin = dump.find(key);
  if (begin == std::string::npos) return {};
  bool quoted = false;
  for (size_t i = begin; i < dump.size(); ++i) {
    char c = dump[i];
    if (quoted) {
      if (c == '\\') ++i;
      else if (c == '"') quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == '}') {
      return dump.substr(begin, i + 1 - begin);
    }
  }
  return {};
}

// The raw JSON value of a field of a control: "\"text\"" gives "\"abc\"" with its quotes,
// "selected" gives "2", "items" gives "[...]".
inline std::string FieldOf(const std::string& control, const std::string& field) {
  const std::string key = "\"" + field + "\":";
  size_t at = control.find(key);
  if (at == std::string::npos) return "<none>";
  at += key.size();
  size_t end = at;
  bool quoted = false;
  int depth = 0;
  for (; end < control.size(); ++end) {
    char c = control[end];
    if (quoted) {
      if (c == '\\') ++end;
      else if (c == '"') quoted = false;
      continue;
    }
    if (c == '"') quoted = true;
    else if (c == '[') ++depth;
    else if (c == ']') --depth;
    else if ((c == ',' || c == '}') && depth == 0) break;
  }
  return control.substr(at, end - at);
}

// The text of control `id` in a dump, without its quotes (JSON escapes kept).
inline std::string TextOf(const std::string& dump, int id) {
  std::string text = FieldOf(ControlIn(dump, id), "text");
  return text.size() >= 2 && text.front() == '"' ? text.substr(1, text.size() - 2) : text;
}

}  // namespace topodlg::test
