// topodlg-host: the graphical stand-in for the map viewer that calls the
// library. `topodlg-host [--examples DIR]`; the sample calls and data come from
// the project's examples folder.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "gui/application.h"
#include "gui/host/host_window.h"
#include "gui/qt_backend.h"
#include "tools/scripted/cli.h"

int main(int argc, char** argv) {
  std::filesystem::path examples = std::filesystem::path(TOPODLG_SOURCE_DIR) / "examples";
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--examples") == 0) examples = argv[i + 1];
  }
  if (!topodlg::gui::HasDisplay()) {
    std::fprintf(stderr, "topodlg-host: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen to try without one)\n");
    return 2;
  }
  QApplication application(argc, argv);
  topodlg::Hooks().makeGraphicalBackend = [] { return std::make_unique<topodlg::gui::QtBackend>(); };
  topodlg::gui::HostWindow window(examples);
  window.show();
  return application.exec();
}
