#include "platform/gdi.h"

#include <cstdio>
#include <initializer_list>

#include "platform/codepage.h"
#include "platform/json.h"

namespace topodlg {

std::string ColorHex(COLORREF color) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
  return buffer;
}

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

namespace {

const char* HatchName(Hatch hatch) {
  switch (hatch) {
    case Hatch::BDiagonal: return "bdiagonal";
    case Hatch::FDiagonal: return "fdiagonal";
    case Hatch::DiagCross: return "diagcross";
    case Hatch::Horizontal: return "horizontal";
    case Hatch::Vertical: return "vertical";
    case Hatch::Cross: return "cross";
    case Hatch::None: break;
  }
  return nullptr;
}

// A JSON array of numbers. Appended piece by piece: GCC 12 at -O3 wrongly
// reports -Wrestrict for "[" + std::string.
std::string NumberArray(std::initializer_list<int> numbers) {
  std::string out(1, '[');
  for (int n : numbers) {
    if (out.size() > 1) out += ',';
    out += std::to_string(n);
  }
  out += ']';
  return out;
}
std::string Pair(int a, int b) { return NumberArray({a, b}); }
std::string Quad(const CRect& r) { return NumberArray({r.left, r.top, r.right, r.bottom}); }

}  // namespace

std::string DrawingJson(const Drawing& drawing) {
  std::vector<std::string> ops;
  ops.reserve(drawing.size());
  for (const DrawOp& op : drawing) {
    JsonObject o;
    switch (op.kind) {
      case DrawOp::Kind::Line:
        o.Add("op", "line").AddRaw("from", Pair(op.from.x, op.from.y)).AddRaw("to", Pair(op.to.x, op.to.y));
        o.Add("color", ColorHex(op.color)).Add("width", op.width);
        break;
      case DrawOp::Kind::Rect:
        o.Add("op", "rect").AddRaw("rect", Quad(op.rect)).Add("color", ColorHex(op.color)).Add("width", op.width);
        if (op.fill) o.Add("fill", ColorHex(*op.fill)); else o.AddNull("fill");
        if (const char* h = HatchName(op.hatch)) o.Add("hatch", h); else o.AddNull("hatch");
        break;
      case DrawOp::Kind::Fill:
        o.Add("op", "fill").AddRaw("rect", Quad(op.rect)).Add("color", ColorHex(op.color));
        break;
      case DrawOp::Kind::Text:
        o.Add("op", "text").AddRaw("at", Pair(op.at.x, op.at.y)).Add("text", ToUtf8(op.text));
        o.Add("color", ColorHex(op.color)).Add("face", ToUtf8(op.face)).Add("height", op.height);
        break;
      case DrawOp::Kind::BkMode:
        o.Add("op", "bkmode").Add("mode", op.transparent ? "transparent" : "opaque");
        break;
    }
    ops.push_back(o.str());
  }
  return JsonArray(ops);
}

}  // namespace topodlg
