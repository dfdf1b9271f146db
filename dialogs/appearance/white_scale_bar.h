// The white map's scale bar: a 10 km or 50 km bar with end marks and ticks and
// its label, drawn into the host's device context with the host's pen.
#pragma once

#include "platform/cstring.h"
#include "platform/gdi.h"

namespace topodlg {

// The bar is never longer than this many device units either way, whatever
// the factors; the length of a bar that cannot be measured (a zero divisor,
// not-a-number factors) is 0.
constexpr int kMaxScaleBarLength = 1 << 24;

// Mode 3 draws 50 km, every other mode 10 km.
int ScaleBarKilometres(int mode);
CString ScaleBarLabel(int mode);
// factor × 320 × km / (divisor × 3.6) in single precision, cut toward zero.
int ScaleBarLength(int mode, float scaleFactor, float divisor);
// Draws the bar with its right end near (x, y); coordinates that would leave
// the int range stop at its ends.
void DrawWhiteScaleBar(CDC& dc, int mode, float scaleFactor, int x, int y, float divisor);

}  // namespace topodlg
