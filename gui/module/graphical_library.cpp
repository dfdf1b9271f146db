// libtopodlg_qt.so: the library with the graphical backend in it. Loading it
// gives its copy of the library the backend a person works dialogs with and
// the scripted user's screenshot action; topodlg runs its whole command here
// when it needs either.
#include <cstdio>
#include <string>
#include <vector>

#include "gui/graphical_hooks.h"
#include "tools/scripted/cli.h"
#include "tools/scripted/graphical_library.h"

namespace {

struct InstallOnLoad {
  InstallOnLoad() { topodlg::gui::InstallGraphicalHooks(); }
} installOnLoad;

}  // namespace

extern "C" __attribute__((visibility("default"))) int TopoDlgQt_RunTopodlg(int argc, char** argv, std::FILE* in) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return topodlg::RunTopodlg(args, stdout, stderr, in);
}

static_assert(std::is_same_v<decltype(TopoDlgQt_RunTopodlg), topodlg::RunTopodlgFunction>);
