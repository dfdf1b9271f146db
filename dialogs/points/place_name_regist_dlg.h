// One new place-name record for the regional place-name file (dialog 145):
// name, position and elevation. The host writes the record; "登録終了" also
// tells it to stop asking for more.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CPlaceNameRegistDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 145;
  CPlaceNameRegistDlg();

  CString Result() const;

  // Two fields the host's record has room for; this dialog leaves them empty.
  CString m_spare1;
  CString m_spare2;
  int m_finish = 0;     // 1: the user finished registering
  int m_lineCount = 0;  // lines of the regional file; 0 has the dialog count them
  CString m_latitude;
  CString m_longitude;
  CString m_placeName;
  CString m_nearestMesh;  // shown only
  int m_meshElevation = 0;  // m, shown only
  CString m_elevation;
  CString m_regionalFile;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnSerialNumber();
  void OnFinish();
};

}  // namespace topodlg
