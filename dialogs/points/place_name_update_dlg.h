// The corrected values of one existing place-name record (dialog 159), of a
// whole-area or a regional place-name file. The host rewrites the record;
// "更新終了" also tells it to stop asking for more.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CPlaceNameUpdateDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 159;
  static constexpr int kRegionalFileKind = 3;
  CPlaceNameUpdateDlg();

  CString Result() const;

  int m_finish = 0;  // 1: the user finished updating
  int m_fileKind = 0;  // 3: a regional place-name file
  CString m_latitude;
  CString m_longitude;
  CString m_placeName;
  CString m_elevation;  // or, in regional files, an attribute
  CString m_placeNameFile;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnFinish();
};

}  // namespace topodlg
