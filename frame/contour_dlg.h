// Contour settings (dialog 140): main and index contour intervals, auxiliary
// contours, colours and print thickness.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CContourDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 140;
  CContourDlg();

  // The result string of a confirmed dialog.
  CString Result() const;

  int m_okButtonFlag = 0;       // 1 once the dialog's own OK button was used
  int m_mainInterval = 0;       // m
  int m_totalMain = 0;          // read-only: highest / main interval
  int m_indexEvery = 0;         // an index contour every N main contours
  int m_highest = 0;            // m, read-only
  int m_lowest = 0;             // m, read-only
  int m_auxInterval = 0;        // m, 0 when auxiliary contours are hidden
  int m_auxHeight = 0;          // m
  int m_showIndex = 0;
  int m_indexColour = 0;        // item of the colour list
  int m_colourCoded = 0;
  int m_coastColour = 0;        // item of the colour list
  int m_thickWhenPrinting = 0;
  int m_savedAuxInterval = 0;   // kept while auxiliary contours are hidden
  int m_savedAuxHeight = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnPreset(int interval);
  void OnHideAuxiliary();
  void OnShowAuxiliary();
  void OnOkButton();
};

}  // namespace topodlg
