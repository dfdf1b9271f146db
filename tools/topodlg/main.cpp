// topodlg: calls one entry function of the library with a scripted (or real)
// user and prints its result.
#include <string>
#include <vector>

#include "tools/scripted/cli.h"
#ifdef TOPODLG_GRAPHICAL
#include "gui/graphical_hooks.h"
#endif

int main(int argc, char** argv) {
#ifdef TOPODLG_GRAPHICAL
  topodlg::gui::InstallGraphicalHooks();
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  return topodlg::RunTopodlg(args, stdout, stderr);
}
