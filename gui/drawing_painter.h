// Paints the operations of a recorded drawing with QPainter, with the pixel rules
// of the Windows graphics interface: rectangles exclude their right and bottom
// edges, a one-pixel line leaves out its end point, text is placed by the top
// left corner of its cell, and an opaque background fills behind text and hatch
// lines with white.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>

#include "platform/cstring.h"

namespace topodlg::gui {

// Hatch styles, numbered as the Windows hatch brushes.
enum class Hatch { Horizontal = 0, Vertical = 1, FDiagonal = 2, BDiagonal = 3, Cross = 4, DiagCross = 5 };

// A colour in the library's form 0x00BBGGRR.
QColor FromColorRef(uint32_t colorRef);
// The pixels of a rectangle given as left, top, right, bottom (right and bottom
// outside it).
QRect FromLtrb(int left, int top, int right, int bottom);

class DrawingPainter {
 public:
  // A fresh device context: opaque background mode, white background.
  explicit DrawingPainter(QPainter& painter);

  void SetTransparent(bool transparent) { m_transparent = transparent; }
  void Line(QPoint from, QPoint to, uint32_t color, int width);
  // Outline in the pen's colour; inside in `fill` (hatched when `hatch` is
  // given), or left as it is when there is no fill.
  void Rect(const QRect& rect, uint32_t color, int width, std::optional<uint32_t> fill, std::optional<Hatch> hatch);
  void Fill(const QRect& rect, uint32_t color);
  void Text(QPoint at, const CString& text, uint32_t color, const CString& face, int height);

 private:
  void UsePen(uint32_t color, int width);

  QPainter& m_painter;
  bool m_transparent = false;
};

}  // namespace topodlg::gui
