// topodlg's screenshot action, as a host uses the program: no display at all.
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "gui/dialog_builder.h"
#include "platform/dialog_template.h"

namespace topodlg::gui {
namespace {

TEST(TopodlgScreenshotTest, WorksWithoutAnyDisplay) {
  QTemporaryDir folder;
  const std::string script = folder.filePath(QStringLiteral("s.txt")).toStdString();
  const std::string picture = folder.filePath(QStringLiteral("contour.png")).toStdString();
  std::ofstream(script) << "click 104\nscreenshot \"" << picture << "\"\nescape\n";
  const std::string command = std::string("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ") + TOPODLG_CLI +
                              " call OnDlgContour 10 99 5 990 0 0 0 1 2 0 103 --log /dev/null --script " + script +
                              " > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  QImage image(QString::fromStdString(picture));
  const DialogTemplate* contour = FindDialogTemplate(140);
  ASSERT_NE(contour, nullptr);
  EXPECT_EQ(image.size(), UnitsOf(*contour).SizeToPixels(contour->cx, contour->cy));
}

}  // namespace
}  // namespace topodlg::gui
