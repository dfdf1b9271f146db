#include "tools/scripted/json.h"

#include <cstdio>

namespace topodlg {

std::string JsonQuote(std::string_view utf8) {
  std::string out = "\"";
  for (char ch : utf8) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

void JsonObject::Key(std::string_view key) {
  if (!m_body.empty()) m_body += ',';
  m_body += JsonQuote(key);
  m_body += ':';
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view utf8Text) {
  Key(key);
  m_body += JsonQuote(utf8Text);
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, int value) {
  Key(key);
  m_body += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, bool value) {
  Key(key);
  m_body += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::AddNull(std::string_view key) {
  Key(key);
  m_body += "null";
  return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view json) {
  Key(key);
  m_body += json;
  return *this;
}

std::string JsonArray(const std::vector<std::string>& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += ',';
    out += values[i];
  }
  return out + "]";
}

}  // namespace topodlg
