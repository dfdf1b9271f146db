#include "gui/drawing_painter.h"

#include <QFontMetrics>

#include "gui/font_map.h"
#include "gui/qt_text.h"

namespace topodlg::gui {
namespace {

const QColor kBackground = Qt::white;

Qt::BrushStyle HatchPattern(Hatch hatch) {
  switch (hatch) {
    case Hatch::Horizontal: return Qt::HorPattern;
    case Hatch::Vertical: return Qt::VerPattern;
    case Hatch::FDiagonal: return Qt::FDiagPattern;
    case Hatch::BDiagonal: return Qt::BDiagPattern;
    case Hatch::Cross: return Qt::CrossPattern;
    case Hatch::DiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

}  // namespace

QColor FromColorRef(uint32_t colorRef) {
  return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

QRect FromLtrb(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

DrawingPainter::DrawingPainter(QPainter& painter) : m_painter(painter) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void DrawingPainter::UsePen(uint32_t color, int width) {
  // A one-pixel pen with flat caps leaves out the end point of a line as the
  // Windows line drawing does; wider pens have round ends there.
  QPen pen(FromColorRef(color), width <= 1 ? 1 : width);
  pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(width <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
  m_painter.setPen(pen);
}

void DrawingPainter::Line(QPoint from, QPoint to, uint32_t color, int width) {
  UsePen(color, width);
  m_painter.drawLine(from, to);
}

void DrawingPainter::Rect(const QRect& rect, uint32_t color, int width, std::optional<uint32_t> fill,
                          std::optional<Hatch> hatch) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  if (fill) {
    if (hatch) {
      if (!m_transparent) m_painter.fillRect(rect, kBackground);
      m_painter.fillRect(rect, QBrush(FromColorRef(*fill), HatchPattern(*hatch)));
    } else {
      m_painter.fillRect(rect, FromColorRef(*fill));
    }
  }
  UsePen(color, width);
  m_painter.setBrush(Qt::NoBrush);
  // The outline runs on the outermost pixels of the rectangle.
  m_painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void DrawingPainter::Fill(const QRect& rect, uint32_t color) {
  m_painter.fillRect(rect, FromColorRef(color));
}

void DrawingPainter::Text(QPoint at, const CString& text, uint32_t color, const CString& face, int height) {
  QFont font = LogicalFont(face, height);
  QFontMetrics metrics(font);
  QString shown = ToQString(text);
  if (!m_transparent) m_painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(shown), metrics.height())), kBackground);
  m_painter.setFont(font);
  m_painter.setPen(FromColorRef(color));
  m_painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), shown);
}

}  // namespace topodlg::gui
