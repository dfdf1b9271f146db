// Equidistant circles (dialog 224): circles of equal distance around a point,
// their interval, the range they cover and their line colour.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CDistCircleDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 224;
  CDistCircleDlg();

  // "%d %d " with show flag and line colour, then the three texts joined by blanks.
  CString Result() const;

  int m_show = 0;
  int m_unused1 = 0, m_unused2 = 0, m_unused3 = 0;
  int m_lineColour = 0;  // 0 black, 1 red, 2 blue
  CString m_interval;    // km, as typed or chosen
  CString m_start;
  CString m_end;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnShowClicked();
};

}  // namespace topodlg
