// Distance measurement (dialog 226): measuring on or off, confirming each
// entered point, what is written along the line, font size and text colour.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CDistMeasureDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 226;
  CDistMeasureDlg();

  // "%d %d %d %d %d %d %d %d": measure, confirm, cumulative distance, point
  // numbers, section distances, font size, text colour, hide.
  CString Result() const;

  int m_measure = 0;
  int m_confirm = 0;
  int m_pointNumbers = 0;
  int m_sectionDistances = 0;
  int m_fontSize = 0;  // 0 large, 1 small
  int m_cumulative = 0;
  int m_textColour = 0;  // 0 blue, 1 black (white on a white map), 2 red
  int m_white = 0;       // the black text is drawn white
  int m_hide = 0;        // -1: the user asked not to see this dialog again

 protected:
  bool OnInitDialog() override;

 private:
  void Toggle(int id, int& flag);
  void OnHideClicked();
};

}  // namespace topodlg
