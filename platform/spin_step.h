// Steps of the spin buttons ("△"/"▽") of the setting dialogs. The members are
// 32-bit values that the host passes unchecked, so a step saturates at the ends
// of the int range instead of wrapping.
#pragma once

#include <algorithm>
#include <climits>

namespace topodlg {

constexpr int StepBy(int value, long long delta) {
  return static_cast<int>(std::clamp<long long>(value + delta, INT_MIN, INT_MAX));
}

constexpr int Negated(int value) { return StepBy(0, -static_cast<long long>(value)); }

}  // namespace topodlg
