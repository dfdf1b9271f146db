// Dialog units to pixels, the one place where the conversion happens.
//
// As the Windows dialog manager does it: the horizontal base unit is the average
// width of the 52 Latin letters in the dialog font (rounded), the vertical base
// unit is the font's height; a base unit is 4 horizontal or 8 vertical dialog
// units, and every conversion rounds like MulDiv.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace topodlg::gui {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& dialogFont);
  DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

  int BaseX() const { return m_baseX; }
  int BaseY() const { return m_baseY; }

  int ToPixelsX(int dialogUnits) const;
  int ToPixelsY(int dialogUnits) const;
  QSize SizeToPixels(int cx, int cy) const { return {ToPixelsX(cx), ToPixelsY(cy)}; }
  QRect RectToPixels(int x, int y, int cx, int cy) const {
    return {QPoint(ToPixelsX(x), ToPixelsY(y)), SizeToPixels(cx, cy)};
  }

 private:
  int m_baseX = 0;
  int m_baseY = 0;
};

}  // namespace topodlg::gui
