// topodlg: calls one entry function of the library with a scripted (or real)
// user and prints its result. A call that needs a window (no script) or a
// picture (a script with a screenshot action) runs in the graphical library,
// loaded for it; every other call runs here without loading the toolkit.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/scripted/cli.h"
#include "tools/scripted/graphical_library.h"
#include "tools/scripted/script.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool ReadWhole(std::FILE* f, std::string& text) {
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  return !std::ferror(f);
}

// The value of --script in a call's words, "" when there is none.
std::string ScriptOption(const std::vector<std::string>& args) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") break;
    if (a.starts_with("--script=")) return a.substr(9);
    if (a == "--script") return i + 1 < args.size() ? args[i + 1] : "";
    // The values of the other options are skipped, whatever they look like.
    if ((a == "--log" || a == "--drive" || a == "--now") && i + 1 < args.size()) ++i;
  }
  return "";
}

bool TakesScreenshots(const std::string& script) {
  try {
    for (const auto& action : topodlg::ParseScript(script)) {
      if (action.verb == "screenshot") return true;
    }
  } catch (const topodlg::ScriptError&) {
    // The call reports it, without a window.
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::FILE* in = stdin;
  File stdinCopy;
  bool graphical = false;
  if (!args.empty() && args[0] == "call") {
    const std::string script = ScriptOption(args);
    std::string text;
    if (script == "-") {
      // Standard input is read here to look at the script, and handed on.
      stdinCopy.reset(std::tmpfile());
      if (stdinCopy && ReadWhole(stdin, text) &&
          std::fwrite(text.data(), 1, text.size(), stdinCopy.get()) == text.size()) {
        std::rewind(stdinCopy.get());
        in = stdinCopy.get();
      }
    } else if (!script.empty()) {
      File f(std::fopen(script.c_str(), "rb"));
      if (f) ReadWhole(f.get(), text);
    }
    graphical = script.empty() || TakesScreenshots(text);
  }
  if (graphical) {
    std::string error;
    if (topodlg::GraphicalLibrary(error)) {
      if (auto run = reinterpret_cast<topodlg::RunTopodlgFunction*>(topodlg::GraphicalSymbol("TopoDlgQt_RunTopodlg"))) {
        return run(argc, argv, in);
      }
    }
    // Without the graphical library the call runs here and says what it lacks.
  }
  return topodlg::RunTopodlg(args, stdout, stderr, in);
}
