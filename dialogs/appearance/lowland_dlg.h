// Lowland colouring (dialog 186): a separate colouring of low ground, on or
// off, up to an upper elevation.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CLowlandDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 186;
  CLowlandDlg();

  // "highest lowest colour upper", separated by single blanks.
  void SetArgument(const CString& text);
  // The result string of a confirmed dialog.
  CString Result() const;

  int m_colourLowland = 0;   // 1: coloured
  int m_upper = 0;           // m, upper elevation of the lowland
  int m_highest = 0;         // m, read-only
  int m_lowest = 0;          // m, read-only
  int m_savedUpper = 0;      // kept while the lowland is not coloured

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnColour();
  void OnNoColour();
};

}  // namespace topodlg
