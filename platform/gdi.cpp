#include "platform/gdi.h"

namespace topodlg {

bool CPen::CreatePen(int, int w, COLORREF c) {
  color = c;
  width = w < 1 ? 1 : w;
  created = true;
  return true;
}

bool CBrush::CreateSolidBrush(COLORREF c) {
  fill = c;
  hatch = Hatch::None;
  created = true;
  return true;
}

bool CBrush::CreateHatchBrush(int style, COLORREF c) {
  static constexpr Hatch kStyles[] = {Hatch::Horizontal, Hatch::Vertical, Hatch::FDiagonal,
                                      Hatch::BDiagonal,  Hatch::Cross,    Hatch::DiagCross};
  if (style < 0 || style > 5) return false;
  fill = c;
  hatch = kStyles[style];
  created = true;
  return true;
}

CBrush CBrush::Hollow() {
  CBrush brush;
  brush.fill.reset();
  brush.created = true;
  return brush;
}

bool CFont::CreateFont(int h, int, int, int, int w, int, int, int, int, int, int, int, int, const char* f) {
  height = h < 0 ? -h : h;
  weight = w;
  face = f ? f : "";
  created = true;
  return true;
}

CPen CDC::SelectObject(const CPen& pen) {
  CPen old = m_pen;
  m_pen = pen;
  return old;
}

CBrush CDC::SelectObject(const CBrush& brush) {
  CBrush old = m_brush;
  m_brush = brush;
  return old;
}

CFont CDC::SelectObject(const CFont& font) {
  CFont old = m_font;
  m_font = font;
  return old;
}

void CDC::LineTo(int x, int y) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.from = m_position;
  op.to = {x, y};
  op.color = m_pen.color;
  op.width = m_pen.width;
  Record(std::move(op));
  m_position = {x, y};
}

void CDC::Rectangle(int left, int top, int right, int bottom) {
  DrawOp op;
  op.kind = DrawOp::Kind::Rect;
  op.rect = {left, top, right, bottom};
  op.color = m_pen.color;
  op.width = m_pen.width;
  op.fill = m_brush.fill;
  op.hatch = m_brush.hatch;
  Record(std::move(op));
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.rect = rect;
  op.color = color;
  Record(std::move(op));
  // The framework's FillSolidRect leaves the background colour set to the fill.
  m_bkColor = color;
}

void CDC::FillRect(const CRect& rect, const CBrush& brush) {
  if (!brush.fill) return;
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.rect = rect;
  op.color = *brush.fill;
  Record(std::move(op));
}

void CDC::FrameRect(const CRect& rect, const CBrush& brush) {
  if (!brush.fill) return;
  const COLORREF c = *brush.fill;
  FillSolidRect({rect.left, rect.top, rect.right, rect.top + 1}, c);
  FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, c);
  FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom}, c);
  FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, c);
}

void CDC::TextOut(int x, int y, const CString& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.at = {x, y};
  op.text = text;
  op.color = m_textColor;
  op.face = m_font.face;
  op.height = m_font.height;
  Record(std::move(op));
}

int CDC::SetBkMode(int mode) {
  int old = m_bkMode;
  m_bkMode = mode;
  DrawOp op;
  op.kind = DrawOp::Kind::BkMode;
  op.transparent = mode == TRANSPARENT;
  Record(std::move(op));
  return old;
}

COLORREF CDC::SetTextColor(COLORREF color) {
  COLORREF old = m_textColor;
  m_textColor = color;
  return old;
}

COLORREF CDC::SetBkColor(COLORREF color) {
  COLORREF old = m_bkColor;
  m_bkColor = color;
  return old;
}

}  // namespace topodlg
