#include "gui/application.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace topodlg::gui {
namespace {

void FailuresOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "topodlg: %s\n", qPrintable(message));
}

}  // namespace

// Standard error carries topodlg's event log unless --log says otherwise, so
// Qt's notices must stay out of it.
void ReportOnlyQtFailures() { qInstallMessageHandler(FailuresOnly); }

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  if (!HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
  ReportOnlyQtFailures();
  // Qt keeps references to argc and argv for the application's life.
  static int argc = 1;
  static char name[] = "topodlg";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> application = std::make_unique<QApplication>(argc, argv);
}

}  // namespace topodlg::gui
