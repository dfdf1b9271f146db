// The scripted user's script: one action per line, parsed before the call so a
// malformed script is reported before any dialog opens.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace topodlg {

struct ScriptWord {
  std::string text;  // UTF-8
  bool quoted = false;
};

struct ScriptAction {
  int line = 0;
  std::string verb;
  std::vector<ScriptWord> words;  // the words after the verb
};

// A script that cannot be followed: the line it happened at (0 when it is about
// the script as a whole) and why.
struct ScriptError {
  int line = 0;
  std::string reason;
  std::string Message() const;
};

// Parses a whole script; throws ScriptError for an unknown action, a wrong
// number of words, an unclosed quote or text that is not UTF-8.
std::vector<ScriptAction> ParseScript(std::string_view text);

// The action words (for the parser and for documentation).
bool IsKnownAction(std::string_view verb);

}  // namespace topodlg
