// Elevation bands (dialog 169): which 50 m bands of elevation are coloured,
// set through thirteen toggle buttons that each stand for a group of bands.
#pragma once

#include <array>

#include "platform/dialog.h"

namespace topodlg {

class CElevationBandsDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 169;
  static constexpr int kFlagCount = 90;
  CElevationBandsDlg();

  // Flag i is the digit at character i of the host's string; anything else,
  // and a character past the end of a short string, is 0.
  void SetFlags(const CString& text);
  // The result string: 90 characters, "1" for each flag that is 1.
  CString Result() const;

  // F0 all elevations; Fk (k >= 1) the 50 m band below (k - 1) x 50 m.
  std::array<int, kFlagCount> m_flags{};

 protected:
  bool OnInitDialog() override;

 private:
  void ShowFlags();
  void OnAllElevations();
  void OnBandButton(int button);
};

}  // namespace topodlg
