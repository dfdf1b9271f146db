// A small JSON writer for the event log: one object per line, keys in the order
// they are added, texts given in UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace topodlg {

std::string JsonQuote(std::string_view utf8);

class JsonObject {
 public:
  JsonObject& Add(std::string_view key, std::string_view utf8Text);
  JsonObject& Add(std::string_view key, const char* utf8Text) { return Add(key, std::string_view(utf8Text)); }
  JsonObject& Add(std::string_view key, int value);
  JsonObject& Add(std::string_view key, bool value);
  JsonObject& AddNull(std::string_view key);
  // `json` is already JSON (an array, an object, a number).
  JsonObject& AddRaw(std::string_view key, std::string_view json);
  std::string str() const { return "{" + m_body + "}"; }

 private:
  void Key(std::string_view key);
  std::string m_body;
};

// "[a,b,c]" from JSON values.
std::string JsonArray(const std::vector<std::string>& values);

}  // namespace topodlg
