// Registration of one text, web page, image or album link at a map point (137):
// place name, item, position, text file and image file, for the host to store.
// The boxes and the members are kept apart: the members follow the boxes only
// when the user leaves a box (an empty place name or item then becomes "〇〇"),
// and the two ways to end read them differently ("登録終了" keeps the files'
// members, "登録を継続" reads every box as it stands).
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CTextImageRegistDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 137;
  CTextImageRegistDlg();

  CString Result() const;

  int m_finish = 0;  // 1: the user finished registering
  CString m_unused;  // passed by the host, not used here
  CString m_dataDirectory;
  CString m_placeName;
  CString m_item;
  CString m_textFile;
  CString m_imageFile;
  CString m_latitude;
  CString m_longitude;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnBrowseText();
  void OnBrowseImage();
  void OnRegisterAlbum();
  void OnFinish();

  CString m_albumName;  // the stem of the album file made here, if any
};

}  // namespace topodlg
