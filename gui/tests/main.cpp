// The widget tests run inside one application object, off screen in CI.
#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

// Qt's notices about what the off-screen platform cannot do are not failures.
void ReportFailuresOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv) {
  qInstallMessageHandler(ReportFailuresOnly);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
