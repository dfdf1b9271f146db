#include "tools/scripted/event_log.h"

#include <cstdio>
#include <initializer_list>

#include "platform/codepage.h"
#include "tools/scripted/json.h"

namespace topodlg {

void EventLog::Write(const std::string& jsonLine) {
  if (!m_out) return;
  std::fwrite(jsonLine.data(), 1, jsonLine.size(), m_out);
  std::fputc('\n', m_out);
  std::fflush(m_out);
}

std::string ColorHex(COLORREF color) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
  return buffer;
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
