// Reading the scripted user's dump lines in tests: one control's JSON object,
// one field of it.
#pragma once

#include <string>

namespace topodlg::test {

// Where the JSON value that starts at `at` ends: at the "," or "}" after it.
inline size_t JsonValueEnd(const std::string& json, size_t at) {
  bool quoted = false;
  int depth = 0;
  for (; at < json.size(); ++at) {
    char c = json[at];
    if (quoted) {
      if (c == '\\') ++at;
      else if (c == '"') quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[' || c == '{') {
      ++depth;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    } else if (depth == 0 && (c == ',' || c == '}')) {
      break;
    }
  }
  return at;
}

// The raw JSON value of `field` of control `id`: "text" gives "\"abc\"" (quotes
// kept), "selected" gives "2", "items" the whole array; "<none>" when missing.
inline std::string FieldOf(const std::string& dump, int id, const std::string& field) {
  size_t control = dump.find("{\"id\":" + std::to_string(id) + ",");
  if (control == std::string::npos) return "<none>";
  size_t end = JsonValueEnd(dump, control);
  size_t at = dump.find("\"" + field + "\":", control);
  if (at == std::string::npos || at > end) return "<none>";
  at += field.size() + 3;
  return dump.substr(at, JsonValueEnd(dump, at) - at);
}

// The text of control `id`, without its quotes (JSON escapes kept).
inline std::string TextOf(const std::string& dump, int id) {
  std::string text = FieldOf(dump, id, "text");
  return text.size() >= 2 && text.front() == '"' ? text.substr(1, text.size() - 2) : text;
}

}  // namespace topodlg::test
