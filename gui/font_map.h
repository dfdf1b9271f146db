// Fonts: the faces that templates and drawings name, mapped to the installed
// Japanese fonts, and their sizes as the Windows graphics interface reads them.
#pragma once

#include <QFont>
#include <QString>

#include "platform/cstring.h"

namespace topodlg::gui {

// The installed family that stands in for a face name: the IPA gothic or mincho
// font, proportional or fixed-pitch as the name says.
QString InstalledFamily(const QString& face);

// A template's font: point size at 96 dots per inch, as a dialog is laid out on a
// standard Windows screen, so the layout is the same on every display.
QFont DialogFont(const CString& face, int pointSize);

// A drawing's font from its logical height: negative is the character height,
// positive the cell height (ascent plus descent), 0 the default 12 pixels.
QFont LogicalFont(const CString& face, int height);

}  // namespace topodlg::gui
