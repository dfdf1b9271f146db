#include "gui/dialog_units.h"

#include <QFontMetrics>

namespace topodlg::gui {
namespace {

// value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace

DialogUnits::DialogUnits(const QFont& dialogFont) {
  QFontMetrics metrics(dialogFont);
  int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseX = (width / 26 + 1) / 2;
  m_baseY = metrics.height();
}

int DialogUnits::ToPixelsX(int dialogUnits) const { return MulDiv(dialogUnits, m_baseX, 4); }
int DialogUnits::ToPixelsY(int dialogUnits) const { return MulDiv(dialogUnits, m_baseY, 8); }

}  // namespace topodlg::gui
