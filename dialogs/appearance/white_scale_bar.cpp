#include "dialogs/appearance/white_scale_bar.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

int Clamp(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

void Segment(CDC& dc, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  dc.MoveTo(Clamp(x1), Clamp(y1));
  dc.LineTo(Clamp(x2), Clamp(y2));
}

}  // namespace

int ScaleBarKilometres(int mode) { return mode == 3 ? 50 : 10; }

CString ScaleBarLabel(int mode) { return mode == 3 ? "50Km" : "10Km"; }

int ScaleBarLength(int mode, float scaleFactor, float divisor) {
  const float km = static_cast<float>(ScaleBarKilometres(mode));
  const float length = scaleFactor * 320.0f * km / (divisor * 3.6f);
  if (!std::isfinite(length)) return 0;
  const float limit = static_cast<float>(kMaxScaleBarLength);
  return static_cast<int>(std::clamp(length, -limit, limit));
}

void DrawWhiteScaleBar(CDC& dc, int mode, float scaleFactor, int x, int y, float divisor) {
  const int64_t L = ScaleBarLength(mode, scaleFactor, divisor);
  const int64_t X = x, Y = y;
  for (int dy : {5, 6, 9}) Segment(dc, X - 10, Y - dy, X - 10 - L, Y - dy);
  Segment(dc, X - 10, Y - 5, X - 10, Y - 13);
  Segment(dc, X - 9, Y - 5, X - 9, Y - 13);
  Segment(dc, X - 10 - L, Y - 5, X - 10 - L, Y - 13);
  Segment(dc, X - 11 - L, Y - 5, X - 11 - L, Y - 13);
  if (ScaleBarKilometres(mode) == 50) {
    for (int k = 1; k <= 4; ++k) Segment(dc, X - 11 - k * L / 5, Y - 6, X - 11 - k * L / 5, Y - 10);
  } else {
    Segment(dc, X - 11 - L / 2, Y - 6, X - 11 - L / 2, Y - 10);
  }
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(Clamp(X - L / 2 - 25), Clamp(Y - 28), ScaleBarLabel(mode));
  dc.SetBkMode(OPAQUE);
}

// Draws into the host's context; a missing context draws nothing.
void entry::OnWhiteScaleX(CDC* dc, int mode, float scaleFactor, int x, int y, float divisor) {
  AFX_MAINTAIN_STATE guard;
  if (dc) DrawWhiteScaleBar(*dc, mode, scaleFactor, x, y, divisor);
}

}  // namespace topodlg
