// Pictures of dialogs: what the user sees of a dialog (its controls, its visible
// tab page and its painting), rendered through the graphical backend off screen.
#pragma once

#include <QImage>
#include <string>

namespace topodlg {
class CDialog;
}

namespace topodlg::gui {

// The dialog's client area as the person would see it. Needs the application
// object (EnsureApplication).
QImage RenderDialog(CDialog& dialog);
// Writes that picture to a PNG file (a host path); returns an error text, or ""
// when it was written.
std::string SaveScreenshot(CDialog& dialog, const std::string& file);

}  // namespace topodlg::gui
