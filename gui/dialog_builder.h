// Lays a dialog template out as real widgets: the template's font, its size
// converted from dialog units, and one widget per control at its position. The
// widgets start empty; what they show comes from the control model.
#pragma once

#include <QWidget>
#include <vector>

#include "gui/dialog_units.h"
#include "platform/dialog_template.h"

namespace topodlg::gui {

struct ControlWidget {
  const ControlTemplate* control = nullptr;
  QWidget* widget = nullptr;
};

// The conversion for a template's own font.
DialogUnits UnitsOf(const DialogTemplate& dialog);

// Fills `surface` (a dialog, or a tab page) with the template's controls, in
// template order, which is also the order the focus moves in. Each widget is
// named "control" + its identifier.
std::vector<ControlWidget> LayOutTemplate(const DialogTemplate& dialog, QWidget& surface);

}  // namespace topodlg::gui
