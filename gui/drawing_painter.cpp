#include "gui/drawing_painter.h"

#include <QFontMetrics>

#include "gui/font_map.h"
#include "gui/qt_text.h"

namespace topodlg::gui {
namespace {

// The recording keeps no background colour; a fresh device context's is white.
const QColor kBackground = Qt::white;

Qt::BrushStyle HatchPattern(Hatch hatch) {
  switch (hatch) {
    case Hatch::Horizontal: return Qt::HorPattern;
    case Hatch::Vertical: return Qt::VerPattern;
    case Hatch::FDiagonal: return Qt::FDiagPattern;
    case Hatch::BDiagonal: return Qt::BDiagPattern;
    case Hatch::Cross: return Qt::CrossPattern;
    case Hatch::DiagCross: return Qt::DiagCrossPattern;
    case Hatch::None: break;
  }
  return Qt::SolidPattern;
}

QRect PixelsOf(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void UsePen(QPainter& painter, COLORREF color, int width) {
  // A one-pixel pen with flat caps leaves out the end point of a line as the
  // Windows line drawing does; wider pens have round ends.
  QPen pen(FromColorRef(color), width <= 1 ? 1 : width);
  pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(width <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
  painter.setPen(pen);
}

void PaintRect(QPainter& painter, const DrawOp& op, bool transparent) {
  QRect rect = PixelsOf(op.rect);
  if (rect.width() <= 0 || rect.height() <= 0) return;
  if (op.fill) {
    if (op.hatch != Hatch::None) {
      if (!transparent) painter.fillRect(rect, kBackground);
      painter.fillRect(rect, QBrush(FromColorRef(*op.fill), HatchPattern(op.hatch)));
    } else {
      painter.fillRect(rect, FromColorRef(*op.fill));
    }
  }
  UsePen(painter, op.color, op.width);
  painter.setBrush(Qt::NoBrush);
  // The outline runs on the outermost pixels of the rectangle.
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void PaintText(QPainter& painter, const DrawOp& op, bool transparent) {
  QFont font = LogicalFont(op.face, op.height);
  QFontMetrics metrics(font);
  QString text = ToQString(op.text);
  QPoint at(op.at.x, op.at.y);
  if (!transparent) painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), kBackground);
  painter.setFont(font);
  painter.setPen(FromColorRef(op.color));
  painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), text);
}

}  // namespace

QColor FromColorRef(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

void PaintDrawing(QPainter& painter, const Drawing& drawing) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  bool transparent = false;
  for (const DrawOp& op : drawing) {
    switch (op.kind) {
      case DrawOp::Kind::Line:
        UsePen(painter, op.color, op.width);
        painter.drawLine(QPoint(op.from.x, op.from.y), QPoint(op.to.x, op.to.y));
        break;
      case DrawOp::Kind::Rect: PaintRect(painter, op, transparent); break;
      case DrawOp::Kind::Fill: painter.fillRect(PixelsOf(op.rect), FromColorRef(op.color)); break;
      case DrawOp::Kind::Text: PaintText(painter, op, transparent); break;
      case DrawOp::Kind::BkMode: transparent = op.transparent; break;
    }
  }
  painter.restore();
}

}  // namespace topodlg::gui
