// The entries of one album (147): each entry's memos and files on selection, the
// album point's name, position and item for the user to correct, the album file
// in the external editor, and the deletion of the album. The dialog never writes
// the album file; the host deletes it when told to.
#pragma once

#include <array>
#include <vector>

#include "dialogs/media/album_file.h"
#include "platform/dialog.h"

namespace topodlg {

class CAlbumUpdateDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 147;
  static constexpr int kStatusOpen = 2, kStatusFinished = 0, kStatusDelete = -1;
  // The end code of "ｱﾙﾊﾞﾑを削除".
  static constexpr int kEndDelete = -1;

  CAlbumUpdateDlg();

  // The result of a dialog that ended with `endCode`; "" when nothing applies.
  CString Result(int endCode) const;

  int m_status = kStatusOpen;
  int m_entryCount = 0;
  CString m_albumPath;
  // The entries in their held form (see HeldAlbumEntry), then "999".
  std::array<CString, kAlbumCapacity> m_entries;
  CString m_textFile;
  CString m_imageFile;
  CString m_memo1;
  CString m_memo2;
  CString m_editorPath;
  CString m_firstCoordinate;
  CString m_secondCoordinate;
  CString m_placeName;
  CString m_item;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnEntrySelected();
  void OnEdit();
  void OnDelete();
  void OnFinish();

  // The entries as read: the held strings are made from them, and a selection
  // shows them field by field, so a "#", "@" or "$" in a memo or a file name
  // cannot move a field.
  std::vector<AlbumEntry> m_parsed;
};

}  // namespace topodlg
