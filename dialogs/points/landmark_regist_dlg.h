// One landmark record (dialog 219): position, name, type, height above the
// ground, symbol and elevation. The host stores the record; "登録終了" also
// tells it to stop asking for more.
#pragma once

#include "dialogs/points/landmark_types.h"
#include "platform/dialog.h"

namespace topodlg {

class CLandmarkRegistDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 219;
  CLandmarkRegistDlg();

  CString Result() const;

  int m_finish = 0;  // 1: the user finished registering
  LandmarkTypeNames m_typeNames;
  CString m_typeIndex;  // decimal, 0 to 11
  CString m_latitude;
  CString m_longitude;
  CString m_name;
  CString m_height;     // m above the ground
  CString m_symbol;     // shown only
  CString m_elevation;  // m

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnTypeChanged();
  void OnFinish();
};

}  // namespace topodlg
