// A dialog that places itself on the screen (the legend window, at the corner
// the host gives) opens there in the graphical backend.
#include <gtest/gtest.h>

#include <cstdio>

#include "gui/dialog_view.h"
#include "gui/qt_backend.h"
#include "tools/scripted/cli.h"

namespace topodlg::gui {
namespace {

TEST(WindowPlace, TheLegendWindowOpensAtTheHostsCorner) {
  QPoint shownAt(-1, -1);
  Hooks().makeGraphicalBackend = [&]() -> std::unique_ptr<UiBackend> {
    auto backend = std::make_unique<QtBackend>();
    backend->SetShownHook([&](DialogView& view) {
      shownAt = view.pos();
      view.Dialog().EndDialog(IDOK);
    });
    return backend;
  };
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  EXPECT_EQ(RunTopodlg({"call", "OnLnrAreaLgnd", "130", "90", "0", "0", "/nowhere/", "x", "--log", "/dev/null"}, out,
                       err),
            0);
  std::fclose(out);
  std::fclose(err);
  Hooks().makeGraphicalBackend = nullptr;
  EXPECT_EQ(shownAt, QPoint(130, 90));
}

}  // namespace
}  // namespace topodlg::gui
