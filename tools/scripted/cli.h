// The `topodlg` command: parses its command line, sets up the call (drives,
// clock, log, the scripted user or the graphical backend), calls one entry
// function and prints its result. Exit status: 0 the entry function returned,
// 1 anything else, 2 usage error, 3 script error.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui_backend.h"

namespace topodlg {

class ScriptedUser;

struct CliHooks {
  // Makes the graphical backend when the build has one and a display is there;
  // nullptr otherwise.
  std::function<std::unique_ptr<UiBackend>()> makeGraphicalBackend;
  // Lets a graphical build give the scripted user its screenshot action.
  std::function<void(ScriptedUser&)> prepareScriptedUser;
};
CliHooks& Hooks();

// `args` excludes the program name. Standard input serves "--script -".
int RunTopodlg(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in = stdin);

}  // namespace topodlg
