// The widget tests run inside one application object, off screen in CI.
#include <QApplication>
#include <gtest/gtest.h>

#include "gui/application.h"

int main(int argc, char** argv) {
  topodlg::gui::ReportOnlyQtFailures();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
