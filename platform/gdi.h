// Drawing: colours, rectangles, pens, brushes, fonts, and a device context that
// records what is drawn. The recording is what a backend paints (the graphical
// backend with a real painter) and what the event log shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// 0x00BBGGRR: red in the low byte.
using COLORREF = uint32_t;
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct CPoint {
  int x = 0, y = 0;
};

struct CRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

enum class Hatch { None, BDiagonal, FDiagonal, DiagCross, Horizontal, Vertical, Cross };
// The framework's hatch style numbers (HS_HORIZONTAL = 0 ... HS_DIAGCROSS = 5).
constexpr int HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5;
constexpr int PS_SOLID = 0;
constexpr int TRANSPARENT = 1, OPAQUE = 2;

class CPen {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  bool CreatePen(int style, int width, COLORREF color);
  COLORREF color = RGB(0, 0, 0);
  int width = 1;
  bool created = false;
};

class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  CBrush(int hatchStyle, COLORREF color) { CreateHatchBrush(hatchStyle, color); }
  bool CreateSolidBrush(COLORREF color);
  bool CreateHatchBrush(int hatchStyle, COLORREF color);
  // The stock hollow brush: rectangles are outlined only.
  static CBrush Hollow();
  std::optional<COLORREF> fill = RGB(255, 255, 255);
  Hatch hatch = Hatch::None;
  bool created = false;
};

class CFont {
 public:
  // The arguments of the framework's font creation; only height and face are
  // kept, the rest describes the same face on every platform.
  bool CreateFont(int height, int width, int escapement, int orientation, int weight, int italic, int underline,
                  int strikeOut, int charSet, int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                  const char* face);
  int height = 12;
  int weight = 400;
  CString face;
  bool created = false;
};

struct DrawOp {
  enum class Kind { Line, Rect, Fill, Text, BkMode } kind = Kind::Line;
  CPoint from, to;  // Line
  CRect rect;       // Rect, Fill
  COLORREF color = 0;  // pen colour (Line, Rect), fill colour (Fill), text colour (Text)
  int width = 1;
  std::optional<COLORREF> fill;  // Rect: brush colour, none for a hollow brush
  Hatch hatch = Hatch::None;
  CPoint at;      // Text
  CString text;   // Text
  CString face;   // Text
  int height = 12;
  bool transparent = false;  // BkMode
};
using Drawing = std::vector<DrawOp>;

// A device context that records into a drawing. Selecting returns the object
// that was selected before, as the framework does, so it can be restored.
class CDC {
 public:
  explicit CDC(Drawing* target) : m_target(target) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  CPen SelectObject(const CPen& pen);
  CBrush SelectObject(const CBrush& brush);
  CFont SelectObject(const CFont& font);
  CBrush SelectStockHollowBrush() { return SelectObject(CBrush::Hollow()); }

  void MoveTo(int x, int y) { m_position = {x, y}; }
  void LineTo(int x, int y);
  void Rectangle(int left, int top, int right, int bottom);
  void FillSolidRect(const CRect& rect, COLORREF color);
  void FillRect(const CRect& rect, const CBrush& brush);
  // Outlines a rectangle with a brush colour, one pixel wide.
  void FrameRect(const CRect& rect, const CBrush& brush);
  void TextOut(int x, int y, const CString& text);
  int SetBkMode(int mode);
  COLORREF SetTextColor(COLORREF color);
  COLORREF SetBkColor(COLORREF color);

 private:
  void Record(DrawOp op) { if (m_target) m_target->push_back(std::move(op)); }

  Drawing* m_target;
  CPen m_pen;  // default: black, 1 pixel
  CBrush m_brush;  // default: white
  CFont m_font;
  CPoint m_position;
  COLORREF m_textColor = RGB(0, 0, 0);
  COLORREF m_bkColor = RGB(255, 255, 255);
  int m_bkMode = OPAQUE;
};

}  // namespace topodlg
