// Registration of one point (184): name, item, latitude, longitude and a free
// description. The host writes the record; "登録終了" also tells it to stop
// asking for more points.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CPointRegistDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 184;
  CPointRegistDlg();

  CString Result() const;

  int m_finish = 0;  // 1: the user finished registering
  CString m_placeName;
  CString m_item;
  CString m_latitude;
  CString m_longitude;
  CString m_tag;  // may hold line breaks

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace topodlg
