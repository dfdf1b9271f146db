// A new album (148), opened by the link registration: the album file is named
// after the time the dialog opened, and each "ｱﾙﾊﾞﾑに追加" writes one entry to
// it at once, so the album grows while the dialog is open and keeps what was
// written however the dialog ends.
#pragma once

#include <ctime>

#include "platform/dialog.h"

namespace topodlg {

class CAlbumNewDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 148;
  // The end code of its own cancel button: the caller takes nothing.
  static constexpr int kCancelled = -1;

  CAlbumNewDlg();

  int m_dataNumber = 1;  // 1-based number of the next entry
  CString m_placeName;
  CString m_item;
  CString m_memo1;
  CString m_memo2;
  CString m_longitude;
  CString m_latitude;
  CString m_textFile;
  CString m_imageFile;
  CString m_albumPath;  // "" after the dialog's own cancel
  CString m_albumName;  // eight characters, the stem of the album file
  CString m_dataDirectory;

 protected:
  bool OnInitDialog() override;

 private:
  void OnLeaveBox(int id, CString& member);
  void OnBrowseText();
  void OnBrowseImage();
  bool AddEntry();
  void OnFinish();
  void OnOwnCancel();
  void ShowDefaultMemos();
  void TakeFreeName();

  std::tm m_openedAt{};
};

}  // namespace topodlg
