#include "gui/screenshot.h"

#include <QImageWriter>

#include "gui/dialog_view.h"

namespace topodlg::gui {

QImage RenderDialog(CDialog& dialog) {
  DialogView view(dialog, nullptr, false);
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.Refresh();
  view.show();
  QImage image = view.grab().toImage();
  view.hide();
  return image;
}

std::string SaveScreenshot(CDialog& dialog, const std::string& file) {
  QImage image = RenderDialog(dialog);
  QImageWriter writer(QString::fromStdString(file), "png");
  if (!writer.write(image)) {
    return "cannot write the screenshot " + file + ": " + writer.errorString().toStdString();
  }
  return {};
}

}  // namespace topodlg::gui
