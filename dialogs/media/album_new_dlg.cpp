#include "dialogs/media/album_new_dlg.h"

#include "dialogs/media/album_file.h"
#include "frame/shared_routines.h"
#include "platform/clock.h"
#include "platform/text_file.h"

namespace topodlg {
namespace {

enum Control : int {
  kImageFile = 102,
  kItem = 104,
  kLatitude = 105,
  kMemo1 = 106,
  kMemo2 = 107,
  kTextFile = 108,
  kBrowseImage = 115,
  kAddEntry = 117,
  kLongitude = 129,
  kDataNumber = 1045,
  kCancel = 1047,
  kPlaceName = 1170,
  kBrowseText = 1201,
};

}  // namespace

CAlbumNewDlg::CAlbumNewDlg() : CDialog(kTemplateId) {
  // Every box hands its text to its member when the user leaves it.
  const std::pair<int, CString CAlbumNewDlg::*> boxes[] = {
      {kPlaceName, &CAlbumNewDlg::m_placeName}, {kItem, &CAlbumNewDlg::m_item},
      {kMemo1, &CAlbumNewDlg::m_memo1},         {kMemo2, &CAlbumNewDlg::m_memo2},
      {kTextFile, &CAlbumNewDlg::m_textFile},   {kImageFile, &CAlbumNewDlg::m_imageFile},
      {kLatitude, &CAlbumNewDlg::m_latitude},   {kLongitude, &CAlbumNewDlg::m_longitude},
  };
  for (const auto& [id, member] : boxes) {
    OnNotify(id, EN_KILLFOCUS, [this, id = id, member = member] { OnLeaveBox(id, this->*member); });
  }
  OnClicked(kBrowseText, [this] { OnBrowseText(); });
  OnClicked(kBrowseImage, [this] { OnBrowseImage(); });
  OnClicked(kAddEntry, [this] { AddEntry(); });
  OnClicked(IDOK, [this] { OnFinish(); });
  OnClicked(kCancel, [this] { OnOwnCancel(); });
}

bool CAlbumNewDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(kLatitude, m_latitude);
  SetDlgItemText(kLongitude, m_longitude);
  m_dataNumber = 1;
  SetDlgItemInt(kDataNumber, m_dataNumber);
  if (m_memo1.IsEmpty()) ShowDefaultMemos();
  CTime::GetCurrentTime().GetLocalTm(&m_openedAt);
  if (m_albumPath.IsEmpty()) TakeFreeName();
  return true;
}

// The album is named after the minute the dialog opened. A file of that name
// is another album (made within the same minute): it is never emptied, and this
// album takes the name of the next free minute instead.
void CAlbumNewDlg::TakeFreeName() {
  CString name = FreeAlbumName(m_dataDirectory, m_openedAt);
  m_albumName = name.IsEmpty() ? AlbumName(m_openedAt) : name;
  m_albumPath = AlbumPath(m_dataDirectory, m_albumName);
}

void CAlbumNewDlg::ShowDefaultMemos() {
  m_memo1 = CString::Formatted("Loc.%d", m_dataNumber);
  m_memo2 = CString::Formatted("＃%d", m_dataNumber);
  SetDlgItemText(kMemo1, m_memo1);
  SetDlgItemText(kMemo2, m_memo2);
}

void CAlbumNewDlg::OnLeaveBox(int id, CString& member) { member = GetDlgItemText(id); }

void CAlbumNewDlg::OnBrowseText() {
  m_textFile = BrowseForFile("txt", "*.txt", "地点 files (*.txt)|*.txt");
  SetDlgItemText(kTextFile, m_textFile);
}

void CAlbumNewDlg::OnBrowseImage() {
  CString picked = BrowseForFile("bmp", "*.bmp",
                                 "画像 files (*.bmp)|*.bmp|画像 files (*.jpg)|*.jpg|画像 files (*.gif)|*.gif|"
                                 "画像 files (*.pcd)|*.pcd|画像 files (*.pct)|*.pct");
  if (picked.IsEmpty()) return;
  m_imageFile = picked;
  SetDlgItemText(kImageFile, m_imageFile);
}

// An entry without a place name, a memo 1 or any file is silently not written
// (true: there is nothing to keep). False when the album file could not be
// written: the user is told and every box keeps its text, so nothing is lost.
bool CAlbumNewDlg::AddEntry() {
  m_memo1 = GetDlgItemText(kMemo1);
  m_memo2 = GetDlgItemText(kMemo2);
  m_textFile = GetDlgItemText(kTextFile);
  m_imageFile = GetDlgItemText(kImageFile);
  if (m_placeName.IsEmpty() || (m_textFile.IsEmpty() && m_imageFile.IsEmpty()) || m_memo1.IsEmpty()) return true;

  const bool firstEntry = m_dataNumber == 1;
  // The first entry makes the album file; should a file of its name have come
  // meanwhile, that one is kept and this album moves on to a free name.
  if (firstEntry && FileExists(m_albumPath)) TakeFreeName();
  const CString line = FormatAlbumEntry(m_memo1, m_latitude, m_longitude, m_memo2, m_imageFile, m_textFile);
  // A missing Album folder, or a name no free one could replace, ends here too.
  if ((firstEntry && FileExists(m_albumPath)) || !WriteAlbumEntry(m_albumPath, line, firstEntry)) {
    AfxFileErrorBox(m_albumPath);
    return false;
  }

  for (int id : {kMemo1, kMemo2, kTextFile, kImageFile}) SetDlgItemText(id, "");
  ++m_dataNumber;
  SetDlgItemInt(kDataNumber, m_dataNumber);
  ShowDefaultMemos();
  return true;
}

// The dialog stays open when the last entry could not be written.
void CAlbumNewDlg::OnFinish() {
  if (AddEntry()) EndDialog(IDOK);
}

void CAlbumNewDlg::OnOwnCancel() {
  m_albumPath = "";
  EndDialog(kCancelled);
}

}  // namespace topodlg
