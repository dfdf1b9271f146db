// Paints a recorded drawing with QPainter, with the pixel rules of the Windows
// graphics interface: rectangles leave out their right and bottom edges, a
// one-pixel line leaves out its end point, text hangs from the top left corner of
// its cell, and in opaque mode white fills behind text and between hatch lines.
#pragma once

#include <QColor>
#include <QPainter>

#include "platform/gdi.h"

namespace topodlg::gui {

QColor FromColorRef(COLORREF color);

// Paints every operation in order, starting like a fresh device context (opaque).
void PaintDrawing(QPainter& painter, const Drawing& drawing);

}  // namespace topodlg::gui
